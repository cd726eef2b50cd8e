#include "skin/forms/MenuExtraLine.h"

#include "toolkit/Canvas.h"
#include "toolkit/GraphicsObjects.h"
#include "win/Handles.h"
#include "win/Text.h"

#include <algorithm>

namespace pp {
namespace {

// Escapement in tenths of a degree: a quarter turn anticlockwise.
constexpr LONG ReadingUpwards = 900;

TFontHandle RotatedFont(const TacMenuExtraLineFont& font)
{
    LOGFONTW log{};
    log.lfHeight = font.Height;
    log.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    log.lfEscapement = ReadingUpwards;
    log.lfOrientation = ReadingUpwards;
    log.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = WideFromUtf8(font.Name);
    lstrcpynW(log.lfFaceName, face.c_str(), LF_FACESIZE);
    return TFontHandle(CreateFontIndirectW(&log));
}

TColor TextColor(const TacMenuExtraLineFont& font, const TsLoadedSkin& skin, const std::string& section)
{
    const int index = skin.GetSkinIndex(section);
    if (index < 0)
        return font.Color;
    return skin.Sections()[static_cast<std::size_t>(index)].Props[0].FontColor[fcMain];
}

} // namespace

void DrawExtraLineText(TBitmap& image, const TRect& strip, const std::string& text,
                       const TacMenuExtraLineFont& font, const TsLoadedSkin& skin, const std::string& section)
{
    std::string shown = text;
    std::erase(shown, '&');
    if (strip.IsEmpty() || shown.empty())
        return;
    const TFontHandle rotated = RotatedFont(font);
    TBitmapCanvas canvas(image);
    const HDC dc = canvas.Handle();
    const TSelectObject selected(dc, rotated.Get());
    const std::wstring wide = WideFromUtf8(shown);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Turned a quarter, the cell's height runs across the strip.
    const int x = strip.Left + (strip.Width() - metrics.tmHeight) / 2;
    const int y = strip.Bottom - ExtraLineTextBottom;
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF savedColor = SetTextColor(dc, ColorRef(TextColor(font, skin, section)));
    IntersectClipRect(dc, strip.Left, strip.Top, strip.Right, strip.Bottom);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SelectClipRgn(dc, nullptr);
    SetTextColor(dc, savedColor);
    SetBkMode(dc, savedMode);
}

} // namespace pp
