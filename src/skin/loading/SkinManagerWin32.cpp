// The manager's options, lifecycle, lookups and announcements. Loading
// itself is in SkinManagerLoadWin32.cpp.
#include "skin/loading/SkinManagerWin32.h"

#include "skin/loading/GlowSupport.h"
#include "skin/loading/SkinLocation.h"
#include "skin/loading/SkinNames.h"
#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "win/Text.h"

#include <windows.h>

#include <charconv>

namespace pp {
namespace {

std::string ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::string file = Utf8FromWide(path);
    return file.substr(0, file.find_last_of('\\') + 1);
}

std::string VersionText(double version)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), version);
    return std::string(buffer, result.ptr);
}

} // namespace

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner)
{
    InternalSkins.OnChange = [this] { Fire(OnSkinListChanged); };
    DetectGlowSupport();
    if (!SkinEngine.DefaultManager) {
        SkinEngine.DefaultManager = this;
        if (Application && !IsDesigning())
            appHookId_ = Application->HookMainWindow(
                [this](TMessage& m) { return HandleApplicationMessage(m); });
    }
    FillThirdPartyLists();
    if (skinDirectory_.empty())
        SetSkinDirectory(DefaultSkinDirectory);
}

TsSkinManager::~TsSkinManager()
{
    Destroying();
    SetActive(false);
    storedExtendedBorders_ = false;
    extendedBorders_ = {};
    creationHook_.Reset();
    if (SkinEngine.DefaultManager == this) {
        if (appHookId_ && Application)
            Application->UnhookMainWindow(appHookId_);
        SkinEngine.DefaultManager = nullptr;
    }
}

void TsSkinManager::FillThirdPartyLists()
{
    ThirdParty.FillEmptyWithDefaults();
    thirdLists_.Parse(ThirdParty);
}

void TsSkinManager::Loaded()
{
    TComponent::Loaded();
    if (skinDirectory_.empty())
        SetSkinDirectory(DefaultSkinDirectory);
    if (MenuSupport.IcoLineSkin.empty())
        MenuSupport.IcoLineSkin = "ICOLINE";
    FillThirdPartyLists();
    if (active_ && !skinName_.empty())
        BroadcastNewSkin(false);
    if (active_ && !IsDesigning())
        Fire(OnActivate);
}

void TsSkinManager::SetActive(bool value)
{
    if (value == active_)
        return;
    active_ = value;
    if (value) {
        SetSkinName(skinName_);
        return;
    }
    if (skinName_.empty())
        return;
    if (!IsLoading() && !SkinEngine.SkinLoading)
        BroadcastRemoveSkin();
    skin_.UpdateStandardIndexes();
    if (!IsDesigning())
        Fire(OnDeactivate);
}

void TsSkinManager::SetSkinDirectory(const std::string& value)
{
    if (value == skinDirectory_)
        return;
    skinDirectory_ = value;
    skin_.SkinData.SkinFolder = ResolvedSkinDirectory();
    Fire(OnSkinListChanged);
}

std::string TsSkinManager::ResolvedSkinDirectory() const
{
    return ResolveSkinDirectory(skinDirectory_, ProgramFolder());
}

std::string TsSkinManager::SkinInfo() const
{
    return skin_.SkinData.Active ? VersionText(skin_.SkinData.Version) : "N/A";
}

std::string TsSkinManager::GetSkinNames(TStringList& list, int kind) const
{
    std::vector<std::string> stored;
    for (int i = 0; i < InternalSkins.Count(); ++i)
        stored.push_back(InternalSkins.Items(i).Name);
    return CollectSkinNames(list, stored, ResolvedSkinDirectory(), kind);
}

TColor TsSkinManager::GetActiveEditColor(bool hot) const
{
    const int edit = skin_.GetSkinIndex("EDIT");
    if (hot && edit >= 0)
        return skin_.Sections()[static_cast<std::size_t>(edit)].Props[1].Color;
    return skin_.Colors[scEditColor];
}

TColor TsSkinManager::GetActiveEditFontColor(bool hot) const
{
    const int edit = skin_.GetSkinIndex("EDIT");
    if (hot && edit >= 0)
        return skin_.Sections()[static_cast<std::size_t>(edit)].Props[1].FontColor[fcMain];
    return skin_.Colors[scEditText];
}

TColor TsSkinManager::GetHighLightColor(bool hot) const
{
    return skin_.Colors[hot ? scHotSelectionColor : scSelectionColor];
}

TColor TsSkinManager::GetHighLightFontColor(bool hot) const
{
    return skin_.Colors[hot ? scHotSelectionText : scSelectionText];
}

const TsMaskData* TsSkinManager::MaskAt(int maskIndex) const
{
    return skin_.IsValidImgIndex(maskIndex) ? &skin_.Masks()[static_cast<std::size_t>(maskIndex)] : nullptr;
}

int TsSkinManager::HorizontalBorder(int maskIndex, TMaskField TsMaskData::*side)
{
    if (!MaskAt(maskIndex))
        return 0;
    TsMaskData& mask = skin_.MaskAt(maskIndex);
    if (mask.*side > 0)
        return mask.*side;
    if (mask.BorderWidth > 0)
        return mask.BorderWidth;
    // An image that names no frames is one frame wide.
    if (mask.FrameCount == 0)
        mask.FrameCount = 1;
    return FrameWidth(mask);
}

int TsSkinManager::VerticalBorder(int maskIndex, TMaskField TsMaskData::*side) const
{
    const TsMaskData* mask = MaskAt(maskIndex);
    if (!mask)
        return 0;
    if (mask->*side > 0)
        return mask->*side;
    if (mask->BorderWidth > 0)
        return mask->BorderWidth;
    return BandHeight(*mask);
}

void TsSkinManager::Fire(const TNotifyEvent& event)
{
    if (event)
        event(this);
}

} // namespace pp
