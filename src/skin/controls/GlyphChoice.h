#pragma once
// Which glyph a bitmap button draws, which image of it, and how, for the
// button's state: the rules shared by every way the button paints.
#include "skin/controls/GlyphDrawing.h"

namespace pp {

enum TDisabledGlyphFlag : unsigned { dgBlended = 1, dgGrayed = 2 };

// The drawing state of a button, in the order the state test checks them.
enum class TButtonPaintState { Normal = 0, Hot = 1, Pressed = 2, Default = 3 };

// What of the button the glyph look depends on.
struct TGlyphButtonState {
    TButtonPaintState State = TButtonPaintState::Normal;
    bool Enabled = true;
    bool Down = false;
    int Blend = 0; // percent
    unsigned DisabledGlyphKind = dgBlended;
    bool Grayed = false;
};

// What of the glyph bitmap the look depends on.
struct TGlyphBitmapTraits {
    int NumGlyphs = 1;
    bool SixteenColours = false;
    bool HasAlpha = false;
};

// An image list gives the glyph only when it holds the image asked for;
// otherwise the glyph bitmap does.
bool SelectsListImage(bool hasList, int count, int index);

// The image of a glyph strip drawn in a state.
int GlyphImageForState(TButtonPaintState state, const TGlyphBitmapTraits& glyph, bool down);

// How a glyph bitmap is drawn. A strip of several images brings its own
// look for every state, so only a single image is greyed or faded when the
// button is disabled.
TGlyphLook BitmapGlyphLook(const TGlyphButtonState& button, const TGlyphBitmapTraits& glyph);

// How an image-list entry, laid over fuchsia, is drawn without a skin.
TGlyphLook ListGlyphLook(const TGlyphButtonState& button);

} // namespace pp
