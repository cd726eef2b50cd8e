#pragma once
// Cutting a text to a width with "..." at its end. Measuring is the
// caller's (the platform's fonts): it passes a function that answers a
// text's width in pixels.
#include <functional>
#include <string>
#include <string_view>

namespace pp {

using TTextWidth = std::function<int(std::string_view utf8)>;

// The text itself when it fits; otherwise whole characters are taken off
// its end until it fits with "..." added (or nothing of it is left), and
// "..." is added. An empty text stays empty.
std::string FitTextWithEllipsis(std::string_view utf8, int width, const TTextWidth& measure);

} // namespace pp
