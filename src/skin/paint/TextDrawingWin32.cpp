#include "skin/paint/TextDrawingWin32.h"

#include "skin/pixels/TextGlow.h"
#include "skin/pixels/TextGlowWin32.h"
#include "toolkit/GraphicsObjects.h"

namespace pp {

TTextDrawingScope::TTextDrawingScope(HDC dc, HFONT font, const TRect* clip) : saved_(dc)
{
    SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    if (clip)
        IntersectClipRect(dc, clip->Left, clip->Top, clip->Right, clip->Bottom);
}

void DrawTextPass(HDC dc, const std::wstring& text, const TRect& r, UINT format, const TTextPass& pass)
{
    // DT_MODIFYSTRING writes the shortened text back into the caller's
    // buffer, past its end for a short text.
    const UINT safeFormat = format & ~UINT(DT_MODIFYSTRING);
    SetTextColor(dc, ColorRef(pass.Color));
    RECT moved{r.Left + pass.DX, r.Top + pass.DY, r.Right + pass.DX, r.Bottom + pass.DY};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &moved, safeFormat);
}

void DrawBlockGlow(TBitmap& target, const TsGenState& block, const std::wstring& text, const TRect& r,
                   UINT format, HFONT font)
{
    if (block.GlowSize == 0 || text.empty())
        return;
    // The target may be selected into a context that still holds drawing
    // the glow's pixels must not overtake.
    GdiFlush();
    TBitmap mask;
    DrawTextGlow(target, text, r, mask, block.GlowColor, block.GlowSize,
                 glowLeft | glowTop | glowRight | glowBottom, format & ~UINT(DT_MODIFYSTRING), font);
}

} // namespace pp
