#pragma once
// The gauge's value model: range, clamping, percentage and the text it shows.
// Kept free of any window so the rules can be checked on their own; the
// gauge control holds one and repaints when it says the picture changed.
#include <cstdint>
#include <string>

#include "core/Error.h"

namespace pp::app {

// A range end that would invert the range.
class EInvalidRange : public Exception {
public:
    using Exception::Exception;
};

struct TGaugeChange {
    bool ValueChanged = false;   // fire OnChange
    bool PercentChanged = false; // repaint
};

// How much of a bar of the given size a percentage fills.
int GaugeFillLength(int size, int percent);

class TGaugeModel {
public:
    std::int32_t MinValue() const { return min_; }
    std::int32_t MaxValue() const { return max_; }
    std::int32_t Progress() const { return progress_; }
    bool CalcPercents() const { return calcPercents_; }
    const std::string& Suffix() const { return suffix_; }

    // Clamps to the range first; equal values change nothing.
    TGaugeChange SetProgress(std::int32_t value);
    // Return whether the value changed; while loading an inverted range is
    // accepted because the other end may not have been read yet.
    bool SetMinValue(std::int32_t value, bool loading);
    bool SetMaxValue(std::int32_t value, bool loading);
    bool SetCalcPercents(bool value);
    bool SetSuffix(const std::string& value);

    // trunc((Progress - Min) * 100 / (Max - Min)); 0 for an empty range.
    int PercentDone() const;
    std::int64_t ShownNumber() const;
    // The number in decimal followed by the suffix, before OnPaintText.
    std::string Text() const;
    int FillLength(int size) const { return GaugeFillLength(size, PercentDone()); }

private:
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t progress_ = 47;
    bool calcPercents_ = true;
    std::string suffix_ = "%";
};

} // namespace pp::app
