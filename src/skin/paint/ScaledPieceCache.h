#pragma once
// Stretched pieces of skin images (border sides and centres), kept for the
// next paint of the same piece at the same size, so that a repaint composes
// them from pixels in order instead of scaling them again: kernel
// resampling costs far more than composing, and a control repaints the
// same pieces whenever its state changes back. A kept piece carries a copy
// of the pixels it was made from and is used only while they are unchanged,
// so a new or recoloured skin never meets an old piece. Pieces are kept in
// plain memory, not in bitmaps, so that they hold no platform objects.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <cstddef>
#include <vector>

namespace pp {

// The scaling of a piece: a resampling filter number (0..6), or:
inline constexpr int NearestPixels = -1;

class TScaledPieceCache {
public:
    // Rows of Size.Width pixels, one after the other.
    struct TPiece {
        TSize Size;
        std::vector<TBGRA> Image;
        std::vector<TBGRA> Mask; // empty for key-colour images
    };

    explicit TScaledPieceCache(std::size_t capacity = 24) : capacity_(capacity > 0 ? capacity : 1) { }

    // `source` of `image` (and, when `maskDy` is above 0, the grey mask that
    // many rows below it) scaled to `size`. The rectangles must lie inside
    // the image; kernel filters need them at least 2 x 2.
    const TPiece& Scaled(const TBitmap& image, const TRect& source, int maskDy, TSize size, int filter);

    std::size_t Size() const { return entries_.size(); }

private:
    struct TKey {
        const TBitmap* Image = nullptr;
        TRect Source;
        int MaskDy = 0;
        TSize Size;
        int Filter = 0;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    struct TEntry {
        TKey Key;
        TPiece Made; // the source pixels it was made from
        TPiece Piece;
    };

    std::size_t capacity_;
    std::vector<TEntry> entries_;
    std::size_t next_ = 0; // the entry replaced next once full
};

} // namespace pp
