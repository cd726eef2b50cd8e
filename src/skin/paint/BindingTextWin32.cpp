// Which section's text colours a control's text is drawn in.
#include "skin/paint/SectionLook.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/WinControl.h"

namespace pp {
namespace {

constexpr int MostlyOpaque = 50; // a parent at most this transparent lends its text colours

const TsGeneralData* SectionAt(const TsLoadedSkin& skin, int index)
{
    return skin.IsValidSkinIndex(index) ? &skin.Sections()[static_cast<std::size_t>(index)] : nullptr;
}

int OwnFontOr(const TsGeneralData& parentSection, int parentIndex, int sectionIndex)
{
    return parentSection.GiveOwnFont ? parentIndex : sectionIndex;
}

// Kinds that draw their caption straight over their parent.
bool DrawsTextOverParent(TControlKind kind)
{
    return kind == ckCheckBox || kind == ckRadioButton || kind == ckGroupBox;
}

} // namespace

int TextSection(const TControl* control, int sectionIndex, const TsSkinManager* manager, bool hot)
{
    if (!control || !manager)
        return sectionIndex;
    const TsLoadedSkin& skin = manager->Skin();
    TControl* parent = control->Parent();
    if (!parent)
        return sectionIndex;
    if (const TsCommonData* binding = BindingOf(parent)) {
        const TsGeneralData* section = SectionAt(skin, binding->SectionIndex);
        if (section) {
            const bool useHot = hot && section->States > 1;
            const int transparency = section->Props[useHot ? 1 : 0].Transparency;
            if (transparency <= MostlyOpaque || BorderPaintsCentre(skin, binding->BorderImageIndex) ||
                !parent->Parent())
                return OwnFontOr(*section, binding->SectionIndex, sectionIndex);
            return TextSection(parent, sectionIndex, manager, false);
        }
    }
    if (!LiveWindowOf(parent))
        return sectionIndex;
    std::int32_t record[1] = {-1};
    SendSkinCommand(parent, SkinMsgGetSectionIndex, reinterpret_cast<LPARAM>(record));
    const TsGeneralData* section = SectionAt(skin, record[0]);
    if (!section)
        return sectionIndex;
    if (section->Props[0].Transparency > MostlyOpaque)
        return TextSection(parent, sectionIndex, manager, false);
    return OwnFontOr(*section, record[0], sectionIndex);
}

TItemTextSource TsCommonData::TextSource(bool hot)
{
    TItemTextSource source;
    source.CustomFont = customFont_;
    source.HueOffset = hueOffset_;
    source.Saturation = saturation_;
    source.GlowTarget = CacheBitmap.get();
    const TsGeneralData* section = Section();
    if (!IsSkinned() || !section)
        return source;
    const TsLoadedSkin& skin = *Skin();
    source.Skin = &skin;
    source.SectionIndex = SectionIndex;
    source.IsWebButton = SectionIndex == skin.GetSkinIndex("WEBBUTTON");
    if (customFont_)
        return source;
    const int block = hot && section->States > 1 ? 1 : 0;
    const bool overParent = !dynamic_cast<TWinControl*>(HostControl) || DrawsTextOverParent(ControlKind);
    if (HostControl && HostControl->Parent() && overParent && section->Props[block].Transparency > 0)
        source.SectionIndex = TextSection(HostControl, SectionIndex, SkinManager(), hot);
    return source;
}

} // namespace pp
