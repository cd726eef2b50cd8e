#pragma once
// Texts of the main window that are built rather than written out, and the
// interval prompts of the two patterns.
#include <string>

namespace pp::app {

// Connector pins 2..9 spaced to stand over the eight button columns.
std::string PinLabelCaption();

struct TIntervalPrompt {
    const char* Caption;
    const char* Prompt;
    const char* DefaultText;
};

inline constexpr TIntervalPrompt FlasherIntervalPrompt{"Мигалка", "Интервал, мс", "500"};
inline constexpr TIntervalPrompt RunningLightIntervalPrompt{"Бегущий огонь", "Интервал, мс", "100"};

} // namespace pp::app
