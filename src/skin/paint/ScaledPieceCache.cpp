#include "skin/paint/ScaledPieceCache.h"

#include "skin/paint/NearestStretch.h"
#include "skin/pixels/PixelMath.h"
#include "skin/pixels/Resample.h"

#include <cstring>

namespace pp {
namespace {

void CopyRows(TBGRA* to, const TBitmap& from, const TRect& r)
{
    if (r.Width() <= 0)
        return;
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(static_cast<void*>(to + std::size_t(y) * r.Width()), from.Row32(r.Top + y) + r.Left,
                    std::size_t(r.Width()) * sizeof(TBGRA));
}

std::vector<TBGRA> CopyOut(const TBitmap& image, const TRect& r)
{
    std::vector<TBGRA> pixels(std::size_t(r.Width()) * r.Height());
    CopyRows(pixels.data(), image, r);
    return pixels;
}

// Compared in place, a pixel at a time: the rows are short, and a library
// call per row would cost more than the comparing.
bool SamePixels(const std::vector<TBGRA>& kept, const TBitmap& image, const TRect& r)
{
    std::uint32_t difference = 0;
    const TBGRA* a = kept.data();
    for (int y = 0; y < r.Height(); ++y, a += r.Width()) {
        const TBGRA* b = image.Row32(r.Top + y) + r.Left;
        for (int x = 0; x < r.Width(); ++x)
            difference |= PixelValue(a[x]) ^ PixelValue(b[x]);
    }
    return difference == 0;
}

std::vector<TBGRA> Scale(const TBitmap& image, const TRect& r, TSize size, int filter)
{
    TBitmap part(r.Width(), r.Height());
    CopyRows(part.Row32(0), image, r);
    TBitmap scaled(size.Width, size.Height);
    if (filter == NearestPixels)
        StretchNearest(scaled, scaled.Bounds(), part, part.Bounds());
    else
        ResampleBitmap(part, scaled, size.Width, filter, size.Height);
    std::vector<TBGRA> pixels(std::size_t(size.Width) * size.Height);
    CopyRows(pixels.data(), scaled, scaled.Bounds());
    return pixels;
}

} // namespace

const TScaledPieceCache::TPiece& TScaledPieceCache::Scaled(const TBitmap& image, const TRect& source,
                                                           int maskDy, TSize size, int filter)
{
    const TKey key{&image, source, maskDy, size, filter};
    const TRect mask = source.Offset(0, maskDy);
    TEntry* slot = nullptr;
    for (TEntry& entry : entries_)
        if (entry.Key == key) {
            if (SamePixels(entry.Made.Image, image, source) &&
                (maskDy <= 0 || SamePixels(entry.Made.Mask, image, mask)))
                return entry.Piece;
            slot = &entry; // the same piece, made from pixels that changed since
            break;
        }
    if (!slot && entries_.size() < capacity_)
        slot = &entries_.emplace_back();
    if (!slot) {
        slot = &entries_[next_];
        next_ = (next_ + 1) % capacity_;
    }
    slot->Key = key;
    slot->Made = {{source.Width(), source.Height()},
                  CopyOut(image, source),
                  maskDy > 0 ? CopyOut(image, mask) : std::vector<TBGRA>()};
    slot->Piece = {size, Scale(image, source, size, filter),
                   maskDy > 0 ? Scale(image, mask, size, filter) : std::vector<TBGRA>()};
    return slot->Piece;
}

} // namespace pp
