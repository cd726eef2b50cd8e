#pragma once
// Texts of the main window that are built rather than written out, and the
// interval prompts of the two patterns.
#include <string>
#include <string_view>

namespace pp::app {

// Connector pins 2..9 spaced to stand over the eight button columns.
std::string PinLabelCaption();

// The file name without folder, up to its first dot, first letter kept and
// the rest lower-cased: "Pindrel_Port.exe" gives "Pindrel_port".
std::string ApplicationTitleFromExe(std::string_view exePath);

struct TIntervalPrompt {
    const char* Caption;
    const char* Prompt;
    const char* DefaultText;
};

inline constexpr TIntervalPrompt FlasherIntervalPrompt{"Мигалка", "Интервал, мс", "500"};
inline constexpr TIntervalPrompt RunningLightIntervalPrompt{"Бегущий огонь", "Интервал, мс", "100"};

} // namespace pp::app
