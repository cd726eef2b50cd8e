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

TEST(AppTextsTest, ApplicationTitleFromTheExecutableName)
{
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Pindrel_Port.exe", "Pindrel_port"},
        {"Z:/a.b/PINDREL.TEST.EXE", "Pindrel"},
        {"pindrel_port.exe", "pindrel_port"},
        {"NoDot", "Nodot"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplicationTitleFromExe(c.path), c.title) << c.path;
}

} // namespace
} // namespace pp::app
