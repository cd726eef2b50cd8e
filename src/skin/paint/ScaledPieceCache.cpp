#include "skin/paint/ScaledPieceCache.h"

#include "skin/paint/NearestStretch.h"
#include "skin/pixels/PixelMath.h"
#include "skin/pixels/Resample.h"

#include <cstring>

namespace pp {
namespace {

TBitmap CopyOut(const TBitmap& image, const TRect& r)
{
    TBitmap part(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        std::memcpy(part.Row32(y), image.Row32(r.Top + y) + r.Left, std::size_t(r.Width()) * sizeof(TBGRA));
    return part;
}

// Compared in place, a pixel at a time: the rows are short, and a library
// call per row would cost more than the comparing.
bool SamePixels(const TBitmap& kept, const TBitmap& image, const TRect& r)
{
    std::uint32_t difference = 0;
    for (int y = 0; y < r.Height(); ++y) {
        const TBGRA* a = kept.Row32(y);
        const TBGRA* b = image.Row32(r.Top + y) + r.Left;
        for (int x = 0; x < r.Width(); ++x)
            difference |= PixelValue(a[x]) ^ PixelValue(b[x]);
    }
    return difference == 0;
}

TBitmap Scale(const TBitmap& part, TSize size, int filter)
{
    TBitmap scaled(size.Width, size.Height);
    if (filter == NearestPixels)
        StretchNearest(scaled, scaled.Bounds(), part, part.Bounds());
    else
        ResampleBitmap(part, scaled, size.Width, filter, size.Height);
    return scaled;
}

} // namespace

const TScaledPieceCache::TPiece& TScaledPieceCache::Scaled(const TBitmap& image, const TRect& source, int maskDy,
                                                           TSize size, int filter)
{
    const TKey key{&image, source, maskDy, size, filter};
    const TRect mask = source.Offset(0, maskDy);
    TEntry* slot = nullptr;
    for (TEntry& entry : entries_)
        if (entry.Key == key) {
            if (SamePixels(entry.Made.Image, image, source) && (maskDy <= 0 || SamePixels(entry.Made.Mask, image, mask)))
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
    slot->Made = {CopyOut(image, source), maskDy > 0 ? CopyOut(image, mask) : TBitmap()};
    slot->Piece.Image = Scale(slot->Made.Image, size, filter);
    slot->Piece.Mask = maskDy > 0 ? Scale(slot->Made.Mask, size, filter) : TBitmap();
    return slot->Piece;
}

} // namespace pp
