#pragma once
// A skin image record as the painters read it: where its pixels lie, how it
// is cut into states side by side and into an image band over mask bands,
// its border widths and its draw mode.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/pixels/MaskImageView.h"

#include <optional>

namespace pp {

// Draw mode bits of a border image.
inline constexpr int dmStretchSides = 1;
inline constexpr int dmHiddenInState0 = 2;
inline constexpr int dmPaintCentre = 4;

// Placements of a texture image (its draw mode).
enum TTexturePlacement : int {
    tpTile = 0,
    tpStretch = 1,
    tpTileTop = 2,
    tpTileLeft = 3,
    tpStretchTop = 4,
    tpStretchLeft = 5,
    tpTileBottom = 6,
    tpTileRight = 7,
    tpWholeTiles = 10,
};

struct TSkinImage {
    const TBitmap* Source = nullptr; // the record's own bitmap, else the master bitmap
    TRect Rect;                      // the image area in Source
    int StateCount = 0;
    int MaskKind = 0; // 0: key colour; 1 or more: grey mask bands below
    int DrawMode = 0;
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // border widths
    int CornerKey = 0;                            // non-zero: the corner pieces hold key pixels

    // 0 without states, the whole width for one.
    int StateWidth() const;
    // The image band: the whole height for kind 0, half for kind 1, a
    // (kind + 1)th for more, 0 for a negative kind.
    int StateHeight() const;
    // min(state, count - 1), never below 0.
    int ClampState(int state) const;
    // Top-left pixel of a state's image in Source, and of its mask (one band down).
    TPoint StateOrigin(int state) const;
    TPoint MaskOrigin(int state) const;
    bool HasMask() const { return MaskKind > 0; }
    // A texture's placement: the known ones, anything else tiles along the right edge.
    TTexturePlacement Placement() const;
};

// The image record at `index`, or none when the index is not valid, the
// image has no 32-bit pixels, or its states and bands do not lie inside
// its bitmap (a damaged skin must not make painters read outside it).
std::optional<TSkinImage> SkinImageAt(const TsLoadedSkin& skin, int index);

// The image as the pixel toolbox reads it (corner cut-outs, regions).
TMaskImageView MaskImageViewOf(const TSkinImage& image);

} // namespace pp
