#include "skin/paint/MaskImage.h"

#include "skin/paint/PiecePainter.h"

#include <algorithm>

namespace pp {
namespace {

struct TMaskImageBlend {
    int Lighten = 0;
    void operator()(TBGRA& d, TBGRA s, TBGRA m) const
    {
        if (m.R == 0xFF)
            return;
        const auto weight = [this](int mc) { return std::min(mc + Lighten, 255); };
        d = TBGRA{MixChannel(d.B, s.B, weight(m.B)), MixChannel(d.G, s.G, weight(m.G)),
                  MixChannel(d.R, s.R, weight(m.R)),
                  std::uint8_t(d.A + (((255 - d.A) * (255 - weight(m.R))) >> 8))};
    }
};

// nearest(S - (S - D) * 0.5): the rounded mean, halves to even.
std::uint8_t Half(int s, int d)
{
    const int sum = s + d;
    const int low = sum >> 1;
    const bool roundUp = (sum & 1) && (low & 1);
    return std::uint8_t(low + (roundUp ? 1 : 0));
}

struct THalfMix {
    void operator()(TBGRA& d, TBGRA s, TBGRA) const
    {
        d = TBGRA{Half(s.B, d.B), Half(s.G, d.G), Half(s.R, d.R), d.A};
    }
};

} // namespace

void DrawMaskImage(TBitmap& target, TPoint at, int state, const BackdropInfo& backdrop,
                   const TSkinImage& image, int mode)
{
    if (image.Source == nullptr || image.StateWidth() <= 0 || image.StateHeight() <= 0)
        return;
    const TPoint origin = image.StateOrigin(state);
    const TRect source{origin.X, origin.Y, origin.X + image.StateWidth(), origin.Y + image.StateHeight()};
    TPieceMap map = DirectMap(source, {source.Width(), source.Height()});
    map.Image = PixelRowsOf(*image.Source);
    const TRect everywhere = target.Bounds();
    if (image.HasMask()) {
        map.Mask = map.Image;
        map.MaskDy = image.StateHeight();
        PaintPiece(target, at, map, TMaskImageBlend{mode == mmFaint ? 100 : 0}, TKeyAction::Leave, backdrop,
                   everywhere);
    } else if (mode == mmNormal) {
        PaintPiece(target, at, map, TCopyOpaque{},
                   CornerKeyAction(true, image.CornerKey, backdrop, TKeyAction::Leave), backdrop, everywhere);
    } else {
        PaintPiece(target, at, map, THalfMix{}, TKeyAction::Leave, backdrop, everywhere);
    }
}

} // namespace pp
