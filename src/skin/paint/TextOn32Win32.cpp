#include "skin/paint/TextOn32Win32.h"

#include "skin/paint/TextDrawingWin32.h"
#include "skin/paint/TextOn32.h"
#include "skin/paint/TextPasses.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace pp {
namespace {

TTextPasses TextOn32Passes(const TsLoadedSkin* skin, int sectionIndex, bool contour, bool hot,
                           TColor fontColor)
{
    if (!skin || !skin->IsValidSkinIndex(sectionIndex))
        return {{ColorToRGB(fontColor), 0, 0, false}};
    const TsGeneralData& section = skin->Sections()[static_cast<std::size_t>(sectionIndex)];
    const bool hotLook = hot && section.States > 0;
    return EnabledTextPasses(section.Props[hotLook ? 1 : 0].FontColor, contour);
}

// One pass drawn black on white into the scratch, which covers `visible`
// of the target; `r` is where the text is laid out.
void DrawPassOnScratch(TBitmap& scratch, HDC dc, const std::wstring& text, const TRect& r,
                       const TRect& visible, UINT format, const TTextPass& pass)
{
    scratch.Fill(TBGRA{0xFF, 0xFF, 0xFF, 0xFF});
    DrawTextPass(dc, text, r.Offset(-visible.Left, -visible.Top), format, {clBlack, pass.DX, pass.DY, false});
    GdiFlush();
}

} // namespace

void DrawTextOn32(TBitmap& target, const TFont& font, const std::string& text, bool contour,
                  const TsLoadedSkin* skin, bool hot, int sectionIndex, UINT format, const TRect& r)
{
    // The scratch covers only what the target can show, so a rectangle far
    // larger than the bitmap costs nothing.
    const TRect visible = IntersectRect(r, target.Bounds());
    if (text.empty() || target.Format() != TPixelFormat::pf32bit || visible.IsEmpty())
        return;
    TBitmap scratch(visible.Width(), visible.Height());
    const TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    if (!dc || !scratch.NativeHandle())
        return;
    const TSelectObject selected(dc.Get(), static_cast<HGDIOBJ>(scratch.NativeHandle()));
    const TTextDrawingScope scope(dc.Get(), font.Handle());
    const std::wstring wide = WideFromUtf8(text);
    for (const TTextPass& pass : TextOn32Passes(skin, sectionIndex, contour, hot, font.Color())) {
        DrawPassOnScratch(scratch, dc.Get(), wide, r, visible, format, pass);
        ApplyTextScratch(target, {visible.Left, visible.Top}, scratch, pass.Color);
    }
}

} // namespace pp
