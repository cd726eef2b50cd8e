#include "skin/loading/SkinImageAlpha.h"

namespace pp {
namespace {

constexpr TBGRA TransparentWhite{0xFF, 0xFF, 0xFF, 0x00};

template <typename Operation> void ForEachPixel32(TBitmap& image, Operation operation)
{
    if (image.Format() != TPixelFormat::pf32bit)
        return;
    for (int y = 0; y < image.Height(); ++y) {
        TBGRA* row = image.Row32(y);
        for (int x = 0; x < image.Width(); ++x)
            operation(row[x]);
    }
}

} // namespace

void ClearTransparentWhite(TBitmap& image)
{
    ForEachPixel32(image, [](TBGRA& p) {
        if (p == TransparentWhite)
            p = TBGRA{};
    });
}

void ApplySkinPngAlpha(TBitmap& image, double skinVersion)
{
    if (skinVersion <= LastStraightAlphaSkinVersion) {
        ClearTransparentWhite(image);
        return;
    }
    ForEachPixel32(image, [](TBGRA& p) {
        if (p == TransparentWhite) {
            p = TBGRA{};
            return;
        }
        p.B = static_cast<std::uint8_t>(p.B * p.A >> 8);
        p.G = static_cast<std::uint8_t>(p.G * p.A >> 8);
        p.R = static_cast<std::uint8_t>(p.R * p.A >> 8);
    });
}

void ConvertToSkin32(TBitmap& image)
{
    if (image.Format() == TPixelFormat::pf32bit)
        return;
    image.SetFormat(TPixelFormat::pf32bit, 0xFF);
    ForEachPixel32(image, [](TBGRA& p) {
        if (ColorFromPixel(p) == clKeyColor)
            p.A = 0;
    });
}

} // namespace pp
