#include "skin/controls/GaugeModel.h"

#include <cmath>
#include <limits>

namespace pp::app {

namespace {

std::string RangeMessage(std::int64_t low, std::int64_t high)
{
    return "Value must be between " + std::to_string(low) + " and " + std::to_string(high);
}

// A range inverted while loading can give any ratio; keep the cast defined.
int TruncToInt(double value)
{
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (!(value >= low))
        return value != value ? 0 : std::numeric_limits<int>::min();
    if (value > high)
        return std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(value));
}

} // namespace

TGaugeChange TGaugeModel::SetProgress(std::int32_t value)
{
    if (value > max_)
        value = max_;
    if (value < min_)
        value = min_;
    if (value == progress_)
        return {};
    const int percentBefore = PercentDone();
    progress_ = value;
    return {true, PercentDone() != percentBefore};
}

bool TGaugeModel::SetMinValue(std::int32_t value, bool loading)
{
    if (value == min_)
        return false;
    if (value > max_ && !loading)
        throw EInvalidRange(RangeMessage(-2147483647, std::int64_t(max_) - 1));
    min_ = value;
    if (progress_ < value)
        progress_ = value;
    return true;
}

bool TGaugeModel::SetMaxValue(std::int32_t value, bool loading)
{
    if (value == max_)
        return false;
    if (value < min_ && !loading)
        throw EInvalidRange(RangeMessage(std::int64_t(min_) + 1, 2147483647));
    max_ = value;
    if (progress_ > value)
        progress_ = value;
    return true;
}

bool TGaugeModel::SetCalcPercents(bool value)
{
    if (value == calcPercents_)
        return false;
    calcPercents_ = value;
    return true;
}

bool TGaugeModel::SetSuffix(const std::string& value)
{
    if (value == suffix_)
        return false;
    suffix_ = value;
    return true;
}

int TGaugeModel::PercentDone() const
{
    if (max_ == min_)
        return 0;
    const double done = double(progress_) - double(min_);
    return TruncToInt(done * 100.0 / (double(max_) - double(min_)));
}

std::int64_t TGaugeModel::ShownNumber() const { return calcPercents_ ? PercentDone() : progress_; }

std::string TGaugeModel::Text() const { return std::to_string(ShownNumber()) + suffix_; }

int GaugeFillLength(int size, int percent) { return TruncToInt(size * (percent * 0.01)); }

} // namespace pp::app
