#include "skin/paint/HintBody.h"

#include "skin/paint/HintShadow.h"
#include "skin/paint/HintShape.h"
#include "skin/paint/TileImage.h"
#include "skin/pixels/Blend.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/Gradient.h"
#include "skin/pixels/PixelMath.h"

#include <exception>

namespace pp {

namespace {

TsGradArray ParsedGradient(THintLook& look)
{
    TsGradArray gradient;
    try {
        gradient = ParseGradientSpec(look.GradientData);
    } catch (const std::exception&) {
        gradient.clear();
    }
    if (gradient.empty() && !look.GradientData.empty())
        look.GradientPercent = 0;
    return gradient;
}

// The gradient, or the plain colour without a gradient text.
void PaintGradientOrColor(TBitmap& target, const TsGradArray& gradient, TColor color)
{
    if (gradient.empty())
        FillPixels32(target, target.Bounds(), ColorToRGB(color), 255);
    else
        DrawGradientFill(target, target.Bounds(), gradient);
}

bool SameSize(const TBitmap& a, const TBitmap& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height();
}

bool HasTexture(const THintLook& look, const TBitmap* texture)
{
    return look.TexturePercent >= 1 && texture && !texture->Empty();
}

} // namespace

void FillHintBody(TBitmap& body, THintLook& look, const TBitmap* texture)
{
    const TColor color = ColorToRGB(look.Color);
    const bool textured = HasTexture(look, texture);
    if (textured)
        TileImage(body, body.Bounds(), *texture);
    else
        FillPixels32(body, body.Bounds(), color, 255);
    const TsGradArray gradient = ParsedGradient(look);
    if (look.GradientPercent > 0) {
        if (textured) {
            TBitmap scratch(body.Width(), body.Height());
            PaintGradientOrColor(scratch, gradient, color);
            BlendRectangle(body, scratch, look.TexturePercent * 256 / 100, {0, 0}, scratch.Bounds());
        } else {
            PaintGradientOrColor(body, gradient, color);
        }
    }
    const int share = look.GradientPercent + (textured ? look.TexturePercent : 0);
    if (share >= 1 && share <= 99)
        FadeRectToColor(body, body.Bounds(), share, color);
    else if (share != 100)
        FillPixels32(body, body.Bounds(), color, 255);
}

void OutlineHintBody(TBitmap& body, const TBitmap& mask, TColor top, TColor bottom)
{
    if (!Is32Bit(body) || !SameSize(body, mask))
        return;
    const int w = body.Width(), h = body.Height();
    const auto outside = [&](int x, int y) { return !InsideHintMask(mask.Pixel32(x, y)); };
    const TBGRA topPixel = PixelFromColor(ColorToRGB(top));
    const TBGRA bottomPixel = PixelFromColor(ColorToRGB(bottom));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (outside(x, y))
                continue;
            if (x == 0 || y == 0 || outside(x - 1, y) || outside(x, y - 1))
                body.Pixel32(x, y) = topPixel;
            else if (x == w - 1 || y == h - 1 || outside(x + 1, y) || outside(x, y + 1))
                body.Pixel32(x, y) = bottomPixel;
        }
}

void MaskWithoutKeyColor(TBitmap& mask, const TBitmap& body)
{
    if (!Is32Bit(mask) || !SameSize(mask, body))
        return;
    const TBGRA white{255, 255, 255, 255}, black{0, 0, 0, 255};
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            mask.Pixel32(x, y) = IsKeyPixel(body.Pixel32(x, y)) ? white : black;
}

void ComposeHintLayers(TBitmap& layered, const TBitmap& body, const TBitmap& mask, const TBitmap& work)
{
    const TSize size = layered.Size();
    if (!Is32Bit(layered) || !SameSize(layered, body) || !SameSize(layered, mask) || !SameSize(layered, work))
        return;
    for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x) {
            TBGRA out = body.Pixel32(x, y);
            out.A = 255;
            if (mask.Pixel32(x, y).R == 255)
                out = TBGRA{0, 0, 0, std::uint8_t(255 - work.Pixel32(x, y).R)};
            layered.Pixel32(x, y) = out;
        }
}

namespace {

void Resize(TBitmap& image, TSize size)
{
    if (image.Width() != size.Width || image.Height() != size.Height ||
        image.Format() != TPixelFormat::pf32bit)
        image = TBitmap(size.Width, size.Height);
}

} // namespace

void BuildHintImages(THintImages& images, TSize size, THintLook& look, THintTail tail, const TBitmap* texture,
                     const THintTextPainter& drawText)
{
    if (size.Width <= 0 || size.Height <= 0)
        return;
    for (TBitmap* image : {&images.Body, &images.Mask, &images.Work, &images.Layered})
        Resize(*image, size);
    DrawHintShadow(images.Work, look, tail);
    PaintHintMask(images.Mask, look, tail);
    FillHintBody(images.Body, look, texture);
    if (drawText)
        drawText(images.Body);
    if (look.BevelWidth > 0)
        OutlineHintBody(images.Body, images.Mask, look.ColorBorderTop, look.ColorBorderBottom);
    ComposeHintLayers(images.Layered, images.Body, images.Mask, images.Work);
}

} // namespace pp
