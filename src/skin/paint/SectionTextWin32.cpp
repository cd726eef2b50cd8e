#include "skin/paint/SectionTextWin32.h"

#include "skin/paint/TextDrawingWin32.h"
#include "skin/paint/TextPasses.h"
#include "win/Text.h"

namespace pp {
namespace {

TTextPasses SectionTextPasses(const TsLoadedSkin* skin, int sectionIndex, bool enabled, bool hot,
                              TColor canvasColor)
{
    if (!skin || !skin->IsValidSkinIndex(sectionIndex))
        return {{ColorToRGB(canvasColor), 0, 0, false}};
    const TsGeneralData& section = skin->Sections()[static_cast<std::size_t>(sectionIndex)];
    const TsGenState& normal = section.Props[0];
    if (!enabled)
        return {DisabledTextPass(normal.FontColor[fcMain], normal.Color)};
    return EnabledTextPasses(section.Props[hot ? 1 : 0].FontColor, true);
}

} // namespace

void DrawSectionText(TCanvas& canvas, const std::string& text, bool enabled, const TsLoadedSkin* skin,
                     bool hot, int sectionIndex, UINT format, const TRect& r)
{
    HDC dc = canvas.Handle();
    if (text.empty() || !dc)
        return;
    const std::wstring wide = WideFromUtf8(text);
    const TTextDrawingScope scope(dc, canvas.Font.Handle());
    for (const TTextPass& pass : SectionTextPasses(skin, sectionIndex, enabled, hot, canvas.Font.Color()))
        DrawTextPass(dc, wide, r, format, pass);
}

} // namespace pp
