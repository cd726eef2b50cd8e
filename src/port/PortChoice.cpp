#include "port/PortChoice.h"

namespace pp::port {
namespace {

std::optional<std::uint8_t> ParseByte(const std::string& digits)
{
    if (digits.empty() || digits.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace

TPortChoice ParsePortChoice(const std::string& setting)
{
    TPortChoice choice;
    if (setting.empty())
        return choice;
    if (setting == "driver") {
        choice.Kind = TPortChoice::TKind::Driver;
    } else if (setting == "sim") {
        choice.Kind = TPortChoice::TKind::Simulated;
    } else if (setting.rfind("sim:", 0) == 0) {
        choice.FixedReadValue = ParseByte(setting.substr(4));
        if (choice.FixedReadValue)
            choice.Kind = TPortChoice::TKind::Simulated;
        else
            choice.Understood = false;
    } else {
        choice.Understood = false;
    }
    return choice;
}

} // namespace pp::port
