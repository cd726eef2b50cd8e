#include <gtest/gtest.h>

#include "app/logic/AppTexts.h"

namespace pp::app {
namespace {

TEST(AppTextsTest, PinLabelPutsEachPinAtItsColumn)
{
    const std::string caption = PinLabelCaption();
    ASSERT_EQ(caption.size(), 80u);
    const std::size_t positions[] = {0, 12, 23, 34, 44, 56, 67, 79};
    for (int pin = 2; pin <= 9; ++pin)
        EXPECT_EQ(caption[positions[pin - 2]], '0' + pin) << pin;
    EXPECT_EQ(caption.find_first_not_of(" 23456789"), std::string::npos);
}

} // namespace
} // namespace pp::app
