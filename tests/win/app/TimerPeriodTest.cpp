// The 1 ms timer period: asked for while its holder lives, given back once
// on every way out of the holder's scope, never given back when refused.
#include "app/TimerPeriodRequest.h"

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace pp {
namespace {

// What the stand-in system calls were asked, in order.
std::vector<std::string> asked;
UINT beginAnswer = TIMERR_NOERROR;

UINT WINAPI RecordBegin(UINT milliseconds)
{
    asked.push_back("begin " + std::to_string(milliseconds));
    return beginAnswer;
}

UINT WINAPI RecordEnd(UINT milliseconds)
{
    asked.push_back("end " + std::to_string(milliseconds));
    return TIMERR_NOERROR;
}

const TTimerPeriodCalls recordingCalls{RecordBegin, RecordEnd};

using Calls = std::vector<std::string>;

class TimerPeriod : public ::testing::Test {
protected:
    void SetUp() override
    {
        asked.clear();
        beginAnswer = TIMERR_NOERROR;
    }
};

TEST_F(TimerPeriod, AskedForWhileHeldAndGivenBackOnce)
{
    {
        const TTimerPeriodRequest request(recordingCalls);
        EXPECT_TRUE(request.Granted());
        EXPECT_EQ(asked, (Calls{"begin 1"}));
    }
    EXPECT_EQ(asked, (Calls{"begin 1", "end 1"}));
}

TEST_F(TimerPeriod, GivenBackWhenAFailureLeavesTheScope)
{
    EXPECT_THROW(
        {
            const TTimerPeriodRequest request(recordingCalls);
            throw std::runtime_error("start-up failed");
        },
        std::runtime_error);
    EXPECT_EQ(asked, (Calls{"begin 1", "end 1"}));
}

TEST_F(TimerPeriod, RefusedPeriodIsNotGivenBack)
{
    beginAnswer = TIMERR_NOCANDO;
    {
        const TTimerPeriodRequest request(recordingCalls);
        EXPECT_FALSE(request.Granted());
    }
    EXPECT_EQ(asked, (Calls{"begin 1"}));
}

TEST(TimerPeriodOfTheSystem, GrantedHere)
{
    const TTimerPeriodRequest request;
    EXPECT_TRUE(request.Granted());
}

} // namespace
} // namespace pp
