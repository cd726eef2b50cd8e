#pragma once
// The pixels of an engine-styled hint: its body's fill, the 1-pixel outline
// along the shape's edges, and the image a layered hint window is given
// (opaque body, the shadow's darkness as alpha around it).
#include "core/Bitmap.h"
#include "skin/paint/HintGeometry.h"
#include "skin/paint/HintLook.h"

#include <functional>

namespace pp {

// Fills the whole image: the colour or the tiled texture, the gradient
// mixed in by its share, then moved towards the colour unless gradient and
// texture shares make 100. A gradient text that does not parse switches the
// gradient off in `look` (its share becomes 0).
void FillHintBody(TBitmap& body, THintLook& look, const TBitmap* texture);

// Pixels inside the mask next to the outside on their left or top take the
// top colour; the others next to it on their right or bottom the bottom one.
void OutlineHintBody(TBitmap& body, const TBitmap& mask, TColor top, TColor bottom);

// Inside the mask (red below 255) the body's pixel, opaque; outside it black
// with the alpha of the shadow's darkness (255 minus the work image's red).
// All three images must have the size of `layered`.
void ComposeHintLayers(TBitmap& layered, const TBitmap& body, const TBitmap& mask, const TBitmap& work);

// Skinned mode: the shape is the painted section without its key-coloured
// (0xFF00FF) pixels; white there, black elsewhere.
void MaskWithoutKeyColor(TBitmap& mask, const TBitmap& body);

// The images one hint is drawn from, all of the window's size.
struct THintImages {
    TBitmap Body;    // fill, text and outline
    TBitmap Mask;    // white outside the shape
    TBitmap Work;    // the shadow's grey levels on white
    TBitmap Layered; // what the layered window shows
};
using THintTextPainter = std::function<void(TBitmap& body)>;
// Builds all four for a window of `size` with its tail at `tail`;
// `drawText` writes the text into the body after the fill, before the outline.
void BuildHintImages(THintImages& images, TSize size, THintLook& look, THintTail tail, const TBitmap* texture,
                     const THintTextPainter& drawText);

} // namespace pp
