#pragma once
// The value forms of skin options: how the text of one key becomes an
// integer, a colour, a flag or a number.
#include "core/Color.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace pp {

// Decimal, or hexadecimal after "$", "0x" or "0X", with an optional sign.
// Values up to 32 bits are taken; larger hexadecimal or decimal values wrap
// into 32 bits, as colour values are written either way. Anything else: none.
std::optional<std::int32_t> ParseOptionInteger(std::string_view text);
std::int32_t OptionInteger(std::string_view text, std::int32_t defaultValue);

// Integers whose text must be valid: a bad one fails the skin load with
// "'<text>' is not a valid integer value".
std::int32_t StrictOptionInteger(std::string_view text);

// "1" or "TRUE" in any letter case.
bool OptionFlag(std::string_view text);

// "." is the decimal separator whatever the user's locale.
double OptionNumber(std::string_view text, double defaultValue);

// -1 stands for "no colour" in every colour option.
inline constexpr std::int32_t NoColorValue = -1;

// A colour option with the high bit set names a system colour by its low
// byte; it becomes that colour's current RGB value. -1 stays -1.
TColor OptionColorToRGB(std::int32_t value);

} // namespace pp
