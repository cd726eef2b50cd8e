#include "skin/loading/OptionValues.h"
#include "core/Error.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <optional>

namespace pp {
namespace {

TEST(OptionValues, IntegerForms)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"42", 42},
        {"-1", -1},
        {"+7", 7},
        {"$FF00FF", 0xFF00FF},
        {"0x1f", 0x1F},
        {"0X1F", 0x1F},
        {"$FF00000F", static_cast<std::int32_t>(0xFF00000Fu)}, // system colours wrap into 32 bits
        {"4278190095", static_cast<std::int32_t>(0xFF00000Fu)},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"12px", std::nullopt},
        {"1 2", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"clRed", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseOptionInteger(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(OptionInteger("junk", 5), 5);
}

TEST(OptionValues, StrictIntegerFailsWithTheTextInTheMessage)
{
    EXPECT_EQ(StrictOptionInteger("-3"), -3);
    for (const char* bad : {"", "1.5", "abc"}) {
        try {
            StrictOptionInteger(bad);
            ADD_FAILURE() << bad;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(OptionValues, FlagsAndNumbers)
{
    for (const char* yes : {"1", "TRUE", "true", "TrUe"})
        EXPECT_TRUE(OptionFlag(yes)) << yes;
    for (const char* no : {"0", "", "yes", "2", " 1"})
        EXPECT_FALSE(OptionFlag(no)) << no;

    EXPECT_DOUBLE_EQ(OptionNumber("7.45", 0), 7.45);
    EXPECT_DOUBLE_EQ(OptionNumber("+8", 0), 8);
    EXPECT_DOUBLE_EQ(OptionNumber("7,45", -1), -1); // "." is the only separator
    EXPECT_DOUBLE_EQ(OptionNumber("nan", -1), -1);
    EXPECT_DOUBLE_EQ(OptionNumber("inf", -1), -1);
    EXPECT_DOUBLE_EQ(OptionNumber("", -1), -1);
}

TEST(OptionValues, ColourConversionResolvesSystemColoursOnly)
{
    EXPECT_EQ(OptionColorToRGB(0x123456), 0x123456u);
    EXPECT_EQ(OptionColorToRGB(-1), 0xFFFFFFFFu);
    EXPECT_EQ(OptionColorToRGB(static_cast<std::int32_t>(0xFF00000Fu)), ClassicSystemColor(15));
    // Any value with the high bit set names a system colour by its low byte.
    EXPECT_EQ(OptionColorToRGB(static_cast<std::int32_t>(0x80000005u)), ClassicSystemColor(5));
}

} // namespace
} // namespace pp
