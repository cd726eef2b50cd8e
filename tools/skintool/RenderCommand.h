#pragma once
#include <optional>
#include <string>
#include <vector>

namespace skintool {

// What `skintool render` is asked for.
struct TRenderRequest {
    std::string Skin;
    std::string Section;
    int Width = 0;
    int Height = 0;
    std::string OutPng;
    int State = 0;
    std::optional<std::string> Backdrop; // "RRGGBB" or a PNG file
    std::optional<std::string> Text;
};

// Reads "SKIN SECTION WIDTHxHEIGHT OUT.png [--state N] [--backdrop
// RRGGBB|FILE.png] [--text TEXT]". Throws pp::Exception naming what is
// wrong with a value.
TRenderRequest ParseRenderArguments(const std::vector<std::string>& args);

// Paints the section as a control of that size would paint it in that
// state, over the backdrop (a colour, or the top-left part of an image),
// and writes it as a 32-bit PNG. Without a backdrop the item stands on the
// skin's global colour. Everything is checked before the file is written.
void Render(const TRenderRequest& request);

} // namespace skintool
