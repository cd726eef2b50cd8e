#include "skin/loading/OptionValues.h"

#include "core/Error.h"
#include "core/StringList.h"

#include <charconv>
#include <cmath>
#include <string>

namespace pp {
namespace {

std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base)
{
    if (digits.empty() || digits.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool StartsWithHexPrefix(std::string_view text)
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::optional<std::int32_t> ParseOptionInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint64_t> magnitude;
    if (!text.empty() && text.front() == '$')
        magnitude = ParseDigits(text.substr(1), 16);
    else if (StartsWithHexPrefix(text))
        magnitude = ParseDigits(text.substr(2), 16);
    else
        magnitude = ParseDigits(text, 10);
    if (!magnitude || *magnitude > 0xFFFFFFFFull)
        return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

std::int32_t OptionInteger(std::string_view text, std::int32_t defaultValue)
{
    return ParseOptionInteger(text).value_or(defaultValue);
}

std::int32_t StrictOptionInteger(std::string_view text)
{
    const std::optional<std::int32_t> value = ParseOptionInteger(text);
    if (!value)
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return *value;
}

bool OptionFlag(std::string_view text) { return text == "1" || AsciiSameText(text, "TRUE"); }

double OptionNumber(std::string_view text, double defaultValue)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return defaultValue;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return defaultValue;
    return value;
}

TColor OptionColorToRGB(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if (value == NoColorValue || (bits & 0x80000000u) == 0)
        return bits;
    return ResolveSystemColor(SystemColorFlag | (bits & 0xFFu));
}

} // namespace pp
