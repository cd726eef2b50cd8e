#pragma once
// How a control learns what lies behind it: the request it hands to its
// parent (it travels as the pointer argument of the skin command message),
// and the backdrop info that item painting reads, made from the answer.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/pixels/BackdropInfo.h"

#include <cstdint>

namespace pp {

enum TBackdropKind : std::uint8_t {
    bkNoAnswer = 0,
    bkColor = 1,
    bkImage = 2,
    bkNotReady = 3, // the parent's cache is not built yet
};

struct BackdropRequest {
    const TBitmap* Image = nullptr; // the parent's cached image, when it answers with one
    TColor Color = 0;               // the background colour, when it answers with a colour
    std::int32_t OffsetX = 0;       // the requester's top-left pixel in Image
    std::int32_t OffsetY = 0;
    TRect Area; // the part of the requester to paint when PaintNow is set
    // Left, top, right, bottom widths of the frame of Image that is valid
    // when the answer is a colour with an image (the parent's border strips).
    std::int32_t Margins[4] = {0, 0, 0, 0};
    std::uint8_t Kind = bkNoAnswer;
    std::uint8_t PaintNow = 0; // paint the background into TargetDC instead of describing it
    void* TargetDC = nullptr;  // the platform's device context for PaintNow
};

// A backdrop on that bitmap: HasImage set (when there is a bitmap), no
// colour, no margins.
BackdropInfo BackdropFromBitmap(const TBitmap* bitmap, int offsetX, int offsetY);

// What item painting is given for an answered request: an image answer
// reads the image; any other keeps the image only for its margin strips and
// offers the colour, resolved to RGB.
BackdropInfo BackdropFromRequest(const BackdropRequest& request);

} // namespace pp
