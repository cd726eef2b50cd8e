#include "skin/paint/TextFit.h"

namespace pp {
namespace {

constexpr std::string_view Ellipsis = "...";

// Length of the text without its last character (UTF-8 continuation bytes
// go with the character they continue).
std::size_t WithoutLastCharacter(std::string_view text)
{
    std::size_t length = text.size();
    while (length > 0 && (static_cast<unsigned char>(text[length - 1]) & 0xC0) == 0x80)
        --length;
    return length > 0 ? length - 1 : 0;
}

} // namespace

std::string FitTextWithEllipsis(std::string_view utf8, int width, const TTextWidth& measure)
{
    if (utf8.empty() || measure(utf8) <= width)
        return std::string(utf8);
    std::string_view kept = utf8;
    std::string candidate;
    do {
        kept = kept.substr(0, WithoutLastCharacter(kept));
        candidate.assign(kept);
        candidate += Ellipsis;
    } while (!kept.empty() && measure(candidate) > width);
    return candidate;
}

} // namespace pp
