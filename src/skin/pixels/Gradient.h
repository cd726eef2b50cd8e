#pragma once
// Gradients described by skins: the ";"-separated description text, its
// parsed segments, and painting them into 32-bit bitmaps.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pp {

enum TGradientMode : std::int32_t {
    gmVertical = 0,   // top to bottom
    gmHorizontal = 1, // left to right
    gmTriangles = 2,  // four triangles meeting at the centre
};

struct TsGradSegment {
    TColor ColorFrom = 0;
    TColor ColorTo = 0;
    std::uint8_t Percent = 0;       // share of the rectangle, 0..100
    std::int32_t Mode = gmVertical; // read from the first segment only
    friend bool operator==(const TsGradSegment&, const TsGradSegment&) = default;
};
using TsGradArray = std::vector<TsGradSegment>;

// Reads groups of five decimal fields (from; to; percent; mode; unused).
// Throws EConvertError "'<field>' is not a valid integer value" on a field
// that is not an integer.
TsGradArray ParseGradientSpec(std::string_view spec);
// The same into an existing array: on a bad field the segments before it
// stay filled, the rest are zero.
void ParseGradientSpec(std::string_view spec, TsGradArray& into);

// Paints the gradient into `rect` (clipped to the bitmap) with alpha 255.
// Modes 0 and 1 need a 32-bit bitmap; mode 2 too. Any other mode paints nothing.
void DrawGradientFill(TBitmap& bitmap, const TRect& rect, const TsGradArray& gradient);

// Modes 0 and 1 mixed with a tiled texture: weight 255 shows the texture,
// 0 the gradient. An empty texture rectangle stands for the whole texture.
void DrawTexturedGradient(TBitmap& bitmap, const TRect& rect, const TsGradArray& gradient, int textureWeight,
                          const TRect& textureRect, const TBitmap& texture);

} // namespace pp
