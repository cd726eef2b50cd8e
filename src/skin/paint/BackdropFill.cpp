#include "skin/paint/BackdropFill.h"

#include "skin/pixels/Fills.h"
#include "skin/pixels/PixelMath.h"

#include <cstring>

namespace pp {
namespace {

// Where the target's (0, 0) lies in the backdrop image.
TPoint ImageShift(const BackdropInfo& backdrop, TPoint offset)
{
    return {backdrop.OffsetX + offset.X, backdrop.OffsetY + offset.Y};
}

void CopyImagePart(TBitmap& target, const TRect& r, const TBitmap& image, TPoint shift)
{
    if (image.Format() != TPixelFormat::pf32bit)
        return;
    const TRect inImage = IntersectRect(r.Offset(shift.X, shift.Y), image.Bounds());
    const TRect dest = ClipToBitmap(inImage.Offset(-shift.X, -shift.Y), target);
    for (int y = dest.Top; y < dest.Bottom; ++y)
        std::memcpy(target.Row32(y) + dest.Left, image.Row32(y + shift.Y) + dest.Left + shift.X,
                    std::size_t(dest.Width()) * sizeof(TBGRA));
}

} // namespace

bool OffersBackdrop(const BackdropInfo& backdrop)
{
    return (backdrop.HasImage && backdrop.Image != nullptr) || backdrop.BackColor != clKeyColor;
}

void CopyBackdropImage(TBitmap& target, const TRect& r, const BackdropInfo& backdrop, TPoint offset)
{
    if (backdrop.Image == nullptr || backdrop.Image == &target || !Is32Bit(target))
        return;
    CopyImagePart(target, r, *backdrop.Image, ImageShift(backdrop, offset));
}

void FillWithBackdrop(TBitmap& target, const TRect& r, const BackdropInfo& backdrop, TPoint offset)
{
    if (backdrop.HasImage && backdrop.Image != nullptr) {
        CopyBackdropImage(target, r, backdrop, offset);
        return;
    }
    if (backdrop.BackColor == clKeyColor)
        return;
    FillPixels32(target, r, ColorToRGB(backdrop.BackColor), 0xFF);
    if (backdrop.Image == nullptr || backdrop.Image == &target)
        return;
    // The parent's border strips, as they lie behind r.
    const TPoint shift = ImageShift(backdrop, offset);
    const TFrameStrips strips = FrameStrips(backdrop.Image->Bounds(), backdrop.Margins[0],
                                            backdrop.Margins[1], backdrop.Margins[2], backdrop.Margins[3]);
    for (const TRect& strip : {strips.Top, strips.Left, strips.Bottom, strips.Right})
        CopyImagePart(target, IntersectRect(strip.Offset(-shift.X, -shift.Y), r), *backdrop.Image, shift);
}

} // namespace pp
