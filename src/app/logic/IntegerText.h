#pragma once
// Text typed by the user turned into a 32-bit integer, and into a timer
// interval. Failures throw EConvertError with the message the user reads.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pp::app {

// Leading blanks, an optional sign, then decimal digits or hexadecimal digits
// behind "$", "x", "X", "0x" or "0X". Anything else fails, trailing blanks too.
// Hexadecimal is a 32-bit pattern read as signed ("$FFFFFFFF" is -1).
std::int32_t StrToInt(std::string_view text);

// Converts to an interval in milliseconds. Empty text means "no change" and
// gives nothing; a negative number is refused rather than wrapped to a 49-day
// interval that would look like a hang.
std::optional<std::uint32_t> IntervalFromText(std::string_view text);

std::string NotAnIntegerMessage(std::string_view text);
std::string NegativeIntervalMessage(std::string_view text);

} // namespace pp::app
