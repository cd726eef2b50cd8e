#pragma once
// The outer shadow frame drawn around forms while extended borders are on:
// two 32-bit images (the frame painters choose one per form) and the
// margins by which the frame reaches beyond the form.
#include "core/Bitmap.h"
#include "skin/loading/LoadedSkin.h"

#include <array>

namespace pp {

struct TacExtendedBorders {
    std::array<TBitmap, 2> Images;
    int MarginLeft = 0;
    int MarginTop = 0;
    int MarginRight = 0;
    int MarginBottom = 0;
};

// Margins of the frame the program draws for skins without an "EXBORDER" image.
inline constexpr int BuiltInExtendedBorderMargin = 9;

// The program's own shadow frame: the first image for an active form, the
// second, lighter one for an inactive form.
std::array<TBitmap, 2> BuiltInExtendedBorderImages();

// What a loaded skin gives: nothing (margins 0) while the skin is not to be
// shown or extended borders are off; the skin's "EXBORDER" image (its first
// and second frame) when it has one; else the built-in frame.
TacExtendedBorders PrepareExtendedBorders(const TsLoadedSkin& skin, bool skinShown, bool extendedBorders);

} // namespace pp
