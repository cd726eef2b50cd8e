#include <gtest/gtest.h>

#include "skin/controls/GaugeModel.h"

namespace pp::app {
namespace {

TGaugeModel Range(std::int32_t low, std::int32_t high)
{
    TGaugeModel gauge;
    gauge.SetMaxValue(high, true);
    gauge.SetMinValue(low, true);
    return gauge;
}

TEST(GaugeModelTest, OutputBytesShowAsPercentOfTheMainWindowGauge)
{
    struct Case {
        int progress;
        int stored;
        const char* text;
    };
    const Case cases[] = {{0, 0, "0%"},       {99, 99, "99%"},    {100, 100, "100%"},
                          {129, 100, "100%"}, {255, 100, "100%"}, {-5, 0, "0%"}};
    for (const Case& c : cases) {
        TGaugeModel gauge;
        gauge.SetProgress(c.progress);
        EXPECT_EQ(gauge.Progress(), c.stored) << c.progress;
        EXPECT_EQ(gauge.Text(), c.text) << c.progress;
    }
}

TEST(GaugeModelTest, RepaintOnlyWhenThePercentChanges)
{
    TGaugeModel gauge;
    gauge.SetProgress(50);
    const TGaugeChange same = gauge.SetProgress(50);
    EXPECT_FALSE(same.ValueChanged);
    EXPECT_FALSE(same.PercentChanged);

    TGaugeModel wide = Range(0, 1000);
    wide.SetProgress(500);
    const TGaugeChange small = wide.SetProgress(504);
    EXPECT_TRUE(small.ValueChanged);
    EXPECT_FALSE(small.PercentChanged);
    EXPECT_TRUE(wide.SetProgress(510).PercentChanged);

    gauge.SetProgress(100);
    const TGaugeChange clampedToSame = gauge.SetProgress(255);
    EXPECT_FALSE(clampedToSame.ValueChanged);
}

TEST(GaugeModelTest, ShownNumberFillAndSuffix)
{
    TGaugeModel gauge = Range(0, 200);
    gauge.SetProgress(150);
    EXPECT_EQ(gauge.PercentDone(), 75);
    gauge.SetCalcPercents(false);
    gauge.SetSuffix("");
    EXPECT_EQ(gauge.Text(), "150");
    EXPECT_EQ(gauge.FillLength(24), 18);

    TGaugeModel third = Range(0, 3);
    third.SetProgress(1);
    EXPECT_EQ(third.PercentDone(), 33);
    EXPECT_EQ(third.FillLength(24), 7); // 24 * 0.33, truncated

    TGaugeModel negative = Range(-100, 100);
    negative.SetProgress(-99);
    EXPECT_EQ(negative.PercentDone(), 0);
}

TEST(GaugeModelTest, FillLengthIsTruncatedInFloatingPoint)
{
    struct Case {
        int size;
        int percent;
        int length;
    };
    // trunc(size * (percent * 0.01)) in doubles: 0.29 and 0.58 are held a
    // hair below their value, so a 100-pixel bar fills one pixel less than
    // integer arithmetic would give.
    const Case cases[] = {
        {24, 0, 0}, {24, 47, 11},  {24, 50, 12},  {24, 100, 24},
        {25, 4, 1}, {100, 29, 28}, {100, 58, 57}, {100, 30, 30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GaugeFillLength(c.size, c.percent), c.length) << c.size << " at " << c.percent << " %";
}

TEST(GaugeModelTest, RangeSetters)
{
    TGaugeModel gauge;
    try {
        gauge.SetMinValue(101, false);
        ADD_FAILURE() << "inverted range accepted";
    } catch (const EInvalidRange& e) {
        EXPECT_EQ(e.Message(), "Value must be between -2147483647 and 99");
    }
    try {
        gauge.SetMaxValue(-1, false);
        ADD_FAILURE() << "inverted range accepted";
    } catch (const EInvalidRange& e) {
        EXPECT_EQ(e.Message(), "Value must be between 1 and 2147483647");
    }
    EXPECT_EQ(gauge.MinValue(), 0);
    EXPECT_EQ(gauge.MaxValue(), 100);

    EXPECT_TRUE(gauge.SetMinValue(60, false));
    EXPECT_EQ(gauge.Progress(), 60) << "raised to the new lower end";
    EXPECT_TRUE(gauge.SetMaxValue(70, false));
    gauge.SetProgress(70);
    EXPECT_TRUE(gauge.SetMaxValue(65, false));
    EXPECT_EQ(gauge.Progress(), 65) << "lowered to the new upper end";
    EXPECT_FALSE(gauge.SetMaxValue(65, false));
}

TEST(GaugeModelTest, DegenerateRangesWhileLoading)
{
    TGaugeModel empty = Range(5, 5);
    EXPECT_EQ(empty.PercentDone(), 0);
    EXPECT_EQ(empty.Text(), "0%");

    TGaugeModel extreme;
    extreme.SetMaxValue(2147483647, true);
    extreme.SetMinValue(-2147483647 - 1, true);
    extreme.SetProgress(2147483647);
    EXPECT_EQ(extreme.PercentDone(), 100);

    TGaugeModel inverted;
    inverted.SetMinValue(200, true);
    inverted.SetMaxValue(-2147483647 - 1, true);
    inverted.SetProgress(0);
    inverted.PercentDone(); // defined, whatever the figure
    inverted.FillLength(1 << 30);
}

} // namespace
} // namespace pp::app
