#include "support/PaintFixture.h"

#include <stdexcept>

namespace pp::test {

TBitmap Pixels(int width, int height, std::initializer_list<std::uint32_t> values)
{
    auto it = values.begin();
    return PixelsBy(width, height, [&](int, int) { return it == values.end() ? 0u : *it++; });
}

TBitmap PixelsBy(int width, int height, const std::function<std::uint32_t(int x, int y)>& rule)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = rule(x, y);
            b.Pixel32(x, y) = TBGRA{std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                    std::uint8_t(v >> 24)};
        }
    return b;
}

std::uint32_t At(const TBitmap& b, int x, int y)
{
    const TBGRA p = b.Pixel32(x, y);
    return std::uint32_t(p.B) | (std::uint32_t(p.G) << 8) | (std::uint32_t(p.R) << 16) |
           (std::uint32_t(p.A) << 24);
}

std::uint32_t Opaque(TColor c)
{
    return 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) | BlueOf(c);
}

int TFixtureSkin::AddImage(TBitmap pixels, const TImageSpec& spec)
{
    TsMaskData mask;
    mask.SourceRect = pixels.Bounds();
    mask.OwnBitmap = std::make_unique<TBitmap>(std::move(pixels));
    mask.SectionName = spec.Section;
    mask.KeyName = spec.Key;
    mask.FrameCount = spec.Frames;
    mask.MaskBands = spec.MaskBands;
    mask.LeftWidth = spec.Left;
    mask.TopWidth = spec.Top;
    mask.RightWidth = spec.Right;
    mask.BottomWidth = spec.Bottom;
    mask.DrawFlags = spec.DrawMode;
    mask.CornerFlag = static_cast<std::int16_t>(spec.CornerKey);
    skin_.AddMask(std::move(mask));
    return static_cast<int>(skin_.Masks().size()) - 1;
}

TsGeneralData& TFixtureSkin::AddSection(const std::string& name, TColor color, TColor hotColor, int states)
{
    TsGeneralData& section = sections_.emplace_back();
    section.SectionName = name;
    section.States = states;
    section.Props[0].Color = color;
    section.Props[1].Color = hotColor;
    return section;
}

const TsLoadedSkin& TFixtureSkin::Skin()
{
    skin_.SetSections(sections_);
    return skin_;
}

TSkinImage TFixtureSkin::Image(int index) const
{
    const std::optional<TSkinImage> image = SkinImageAt(skin_, index);
    if (!image)
        throw std::logic_error("fixture image " + std::to_string(index) + " is not valid");
    return *image;
}

} // namespace pp::test
