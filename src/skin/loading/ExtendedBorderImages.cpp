#include "skin/loading/ExtendedBorderImages.h"

#include "skin/loading/SkinImageAlpha.h"
#include "skin/pixels/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace pp {
namespace {

// Skins before this version keep fully transparent white in their shadow
// frames, which would show as a pale rim.
constexpr double FirstPremultipliedBorderVersion = 7.6;

// A square frame whose shadow fades out over the margin; the middle, where
// the form lies, stays clear. The inactive frame is lighter.
constexpr int BuiltInSide = 2 * BuiltInExtendedBorderMargin + 10;
constexpr int ActiveShadowAlpha = 96;
constexpr int InactiveShadowAlpha = 48;

// Distance of a pixel centre from the form's rectangle (the middle), in pixels.
double DistanceFromMiddle(int x, int y)
{
    const int low = BuiltInExtendedBorderMargin, high = BuiltInSide - BuiltInExtendedBorderMargin - 1;
    const int dx = x < low ? low - x : (x > high ? x - high : 0);
    const int dy = y < low ? low - y : (y > high ? y - high : 0);
    return std::hypot(dx, dy);
}

TBitmap ShadowFrame(int peakAlpha)
{
    TBitmap image(BuiltInSide, BuiltInSide);
    for (int y = 0; y < BuiltInSide; ++y) {
        for (int x = 0; x < BuiltInSide; ++x) {
            const double d = DistanceFromMiddle(x, y);
            const double fade = d == 0 ? 0 : std::max(0.0, 1.0 - d / BuiltInExtendedBorderMargin);
            // Black shadow, so premultiplied colour is 0 whatever the alpha.
            image.Pixel32(x, y) = TBGRA{0, 0, 0, std::uint8_t(std::lround(peakAlpha * fade * fade))};
        }
    }
    return image;
}

TBitmap CopyFrame(const TBitmap& source, const TRect& rect)
{
    const TRect r = ClipToBitmap(rect, source);
    if (r.IsEmpty() || !Is32Bit(source))
        return TBitmap();
    TBitmap frame(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::copy_n(source.Row32(r.Top + y) + r.Left, r.Width(), frame.Row32(y));
    return frame;
}

TBitmap MaskFrame(const TsLoadedSkin& skin, const TsMaskData& mask, int frame)
{
    const TBitmap& source = mask.OwnBitmap ? *mask.OwnBitmap : skin.MasterBitmap;
    const int width = FrameWidth(mask);
    const int left = mask.SourceRect.Left + frame * width;
    return CopyFrame(source,
                     {left, mask.SourceRect.Top, left + width, mask.SourceRect.Top + BandHeight(mask)});
}

TacExtendedBorders SkinBorders(const TsLoadedSkin& skin, const TsMaskData& mask)
{
    TacExtendedBorders borders;
    const TsSkinData& data = skin.SkinData;
    if (data.BorderMode != 0) {
        borders.MarginLeft = borders.MarginTop = borders.MarginRight = borders.MarginBottom = data.FormOffset;
    } else {
        borders.MarginLeft = mask.LeftWidth - data.FormOffset;
        borders.MarginTop = mask.TopWidth - data.FormOffset;
        borders.MarginRight = mask.RightWidth - data.FormOffset;
        borders.MarginBottom = mask.BottomWidth - data.FormOffset;
    }
    borders.Images[0] = MaskFrame(skin, mask, 0);
    borders.Images[1] = MaskFrame(skin, mask, mask.FrameCount > 1 ? 1 : 0);
    if (data.Version < FirstPremultipliedBorderVersion)
        for (TBitmap& image : borders.Images)
            ClearTransparentWhite(image);
    return borders;
}

} // namespace

std::array<TBitmap, 2> BuiltInExtendedBorderImages()
{
    return {ShadowFrame(ActiveShadowAlpha), ShadowFrame(InactiveShadowAlpha)};
}

TacExtendedBorders PrepareExtendedBorders(const TsLoadedSkin& skin, bool skinShown, bool extendedBorders)
{
    if (!skinShown || !extendedBorders)
        return {};
    const int index = skin.ConstData.ExBorder;
    if (skin.IsValidImgIndex(index))
        return SkinBorders(skin, skin.Masks()[static_cast<std::size_t>(index)]);
    TacExtendedBorders borders;
    borders.Images = BuiltInExtendedBorderImages();
    borders.MarginLeft = borders.MarginTop = borders.MarginRight = borders.MarginBottom =
        BuiltInExtendedBorderMargin;
    return borders;
}

} // namespace pp
