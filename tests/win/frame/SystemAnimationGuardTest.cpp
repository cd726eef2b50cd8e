// The platform's minimize animation is the user's setting: switched off
// only while the form animations need it off, and put back on every way out.
#include "FormAnimationSeams.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace pp::test {
namespace {

TEST(SystemAnimationGuard, SwitchesOffForItsScopeAndPutsTheSettingBack)
{
    TRecordedSetting setting(true);
    {
        const TSystemAnimationOff off;
        EXPECT_FALSE(setting.On());
    }
    EXPECT_TRUE(setting.On());
    EXPECT_EQ(setting.writes, (std::vector<bool>{false, true}));
}

TEST(SystemAnimationGuard, PutsTheSettingBackWhenTheWorkInsideFails)
{
    TRecordedSetting setting(true);
    EXPECT_THROW(
        {
            const TSystemAnimationOff off;
            throw std::runtime_error("minimize failed");
        },
        std::runtime_error);
    EXPECT_TRUE(setting.On());
}

TEST(SystemAnimationGuard, LeavesASettingAloneThatWasOffOrCannotBeRead)
{
    for (const bool readable : {true, false}) {
        TRecordedSetting setting(!readable ? true : false, readable);
        {
            const TSystemAnimationOff off;
        }
        EXPECT_TRUE(setting.writes.empty()) << (readable ? "was off" : "unreadable");
    }
}

TEST(SystemAnimationGuard, NestedGuardsRestoreOnlyOnce)
{
    TRecordedSetting setting(true);
    {
        const TSystemAnimationOff outer;
        {
            const TSystemAnimationOff inner;
        }
        EXPECT_FALSE(setting.On()) << "the outer scope still needs it off";
    }
    EXPECT_TRUE(setting.On());
    EXPECT_EQ(setting.writes, (std::vector<bool>{false, true}));
}

} // namespace
} // namespace pp::test
