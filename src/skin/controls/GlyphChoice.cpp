#include "skin/controls/GlyphChoice.h"

#include <algorithm>

namespace pp {

bool SelectsListImage(bool hasList, int count, int index)
{
    return hasList && count > 0 && index >= 0 && index < count;
}

int GlyphImageForState(TButtonPaintState state, const TGlyphBitmapTraits& glyph, bool down)
{
    const int count = std::max(glyph.NumGlyphs, 1);
    switch (state) {
    case TButtonPaintState::Hot: return glyph.SixteenColours ? 0 : std::min(1, count - 1);
    case TButtonPaintState::Pressed: {
        const int wanted = (down ? 1 : 0) + 2;
        if (wanted < count)
            return wanted;
        return glyph.SixteenColours ? 0 : std::min(1, count - 1);
    }
    case TButtonPaintState::Default: return count > 3 ? 3 : 0;
    default: return 0;
    }
}

namespace {

// A glyph with its own alpha shows image min(state, n - 1), faded to at
// least half when disabled and blended.
TGlyphLook AlphaGlyphLook(const TGlyphButtonState& button, int count)
{
    const bool normal = button.State == TButtonPaintState::Normal;
    TGlyphLook look;
    look.NumGlyphs = count;
    look.Image = std::min(static_cast<int>(button.State), count - 1);
    look.Transparency = normal ? button.Blend : 0;
    if (!button.Enabled && (button.DisabledGlyphKind & dgBlended))
        look.Transparency = std::max(look.Transparency, 50);
    look.Grayed = (!button.Enabled && (button.DisabledGlyphKind & dgGrayed)) || (button.Grayed && normal);
    return look;
}

} // namespace

TGlyphLook BitmapGlyphLook(const TGlyphButtonState& button, const TGlyphBitmapTraits& glyph)
{
    const int count = std::max(glyph.NumGlyphs, 1);
    if (glyph.HasAlpha)
        return AlphaGlyphLook(button, count);
    const bool normal = button.State == TButtonPaintState::Normal;
    TGlyphLook look;
    look.NumGlyphs = count;
    look.Image = GlyphImageForState(button.State, glyph, button.Down);
    look.Transparency = normal ? button.Blend : 0;
    look.Grayed = button.Grayed && normal;
    if (!button.Enabled && count == 1) {
        look.Grayed = (button.DisabledGlyphKind & dgGrayed) != 0;
        look.Transparency = (button.DisabledGlyphKind & dgBlended) ? 50 : 0;
    }
    return look;
}

TGlyphLook ListGlyphLook(const TGlyphButtonState& button)
{
    TGlyphLook look;
    look.Key = clKeyColor;
    look.Grayed = !button.Enabled && (button.DisabledGlyphKind & dgGrayed);
    return look;
}

} // namespace pp
