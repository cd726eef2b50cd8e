// The running light's clock and its picture: where the light stands after
// each tick, how far it steps, and which rows of the light picture a thin
// bar keeps. Expected values are the clock's rules worked by hand.
#include "support/PaintFixture.h"

#include "skin/controls/GaugeLight.h"
#include "skin/controls/LightImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace pp::test {
namespace {

struct TTick {
    bool Paints;
    int Position;
};

// Runs `count` ticks as the gauge does: paint at the position, then step.
std::vector<TTick> RunTicks(TGaugeLightClock& clock, int barLength, int count)
{
    std::vector<TTick> ticks;
    for (int i = 0; i < count; ++i) {
        const bool paints = clock.Tick(barLength);
        ticks.push_back({paints, clock.Position()});
        if (paints)
            clock.Step(barLength);
    }
    return ticks;
}

TEST(GaugeLight, OnA25PixelBarTheLightCrossesIn22TicksAndWaitsForTheCycleToEnd)
{
    TGaugeLightClock clock;
    const std::vector<TTick> ticks = RunTicks(clock, 25, 104);
    // Ticks 1 .. 22 paint at -300, -285, ..., 15; tick 23 finds the light at
    // 30, beyond the bar. The clock reaches 2244 > 2222 after tick 102, so
    // tick 103 starts the next cycle at -300.
    for (int i = 0; i < 22; ++i) {
        EXPECT_TRUE(ticks[i].Paints) << "tick " << i + 1;
        EXPECT_EQ(ticks[i].Position, -300 + 15 * i) << "tick " << i + 1;
    }
    for (int i = 22; i < 102; ++i)
        EXPECT_FALSE(ticks[i].Paints) << "tick " << i + 1;
    EXPECT_EQ(ticks[22].Position, 30);
    EXPECT_TRUE(ticks[102].Paints);
    EXPECT_EQ(ticks[102].Position, -300);
    EXPECT_EQ(ticks[103].Position, -285);
}

TEST(GaugeLight, TheFirstTickStartsACycleFromTheCreatedState)
{
    TGaugeLightClock clock;
    EXPECT_EQ(clock.Position(), 9999);
    EXPECT_TRUE(clock.Tick(25));
    EXPECT_EQ(clock.Position(), -300);
    EXPECT_EQ(clock.Clock(), 22);
}

TEST(GaugeLight, TheStepIsAtLeast15AndGrowsWithBarsLongerThan782)
{
    struct TCase {
        int Length;
        int Step;
    } cases[] = {
        {0, 15},    {25, 15}, {782, 15}, // 782 / 50.5 = 15.49
        {783, 16},                       // 15.50..., nearest 16
        {1010, 20},                      // exactly 20
        {808, 16},                       // exactly 16
    };
    for (const TCase& c : cases)
        EXPECT_EQ(GaugeLightStep(c.Length), c.Step) << c.Length;
}

TEST(GaugeLight, RowsAreSkippedOnlyWhenTheGaugeIsLowerThanThePicture)
{
    struct TCase {
        int Thickness, ControlHeight, Skipped;
    } cases[] = {
        {25, 25, 0},              // high enough
        {20, 20, 0}, {18, 18, 2}, // (20 - 18) div 2 + 1
        {15, 15, 3},              // (20 - 15) div 2 + 1
        {10, 10, 0},              // 6 would leave fewer rows than skipped
        {10, 30, 0},              // a vertical bar: its height decides
    };
    for (const TCase& c : cases)
        EXPECT_EQ(LightRowsSkipped(20, c.Thickness, c.ControlHeight), c.Skipped)
            << c.Thickness << " x " << c.ControlHeight;
}

TEST(GaugeLight, TheLightImageStretchesTheKeptRowsTo300Pixels)
{
    // Column x, row y of the picture carry x in blue and y in green.
    const TBitmap picture = PixelsBy(60, 20, [](int x, int y) { return 0x80000000u | (y << 8) | x; });
    const TBitmap light = BuildLightImage(picture, 18, 18);
    ASSERT_EQ(light.Width(), 300);
    ASSERT_EQ(light.Height(), 18);
    // Rows 2 .. 19 are kept, one to one; column i shows (i * 60 + 29) div 300.
    EXPECT_EQ(At(light, 0, 0), 0x80000200u);
    EXPECT_EQ(At(light, 5, 17), 0x80001301u);
    EXPECT_EQ(At(light, 299, 9), 0x80000B3Bu);
    EXPECT_TRUE(BuildLightImage(picture, 0, 18).Empty());
}

} // namespace
} // namespace pp::test
