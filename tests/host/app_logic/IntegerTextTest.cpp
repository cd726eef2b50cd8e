#include <gtest/gtest.h>

#include <optional>

#include "app/logic/IntegerText.h"
#include "core/Error.h"

namespace pp::app {
namespace {

TEST(StrToIntTest, AcceptedForms)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"250", 250},
        {" 250", 250},
        {"   +7", 7},
        {"-1", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F4", 500},
        {"$1f4", 500},
        {"x1F4", 500},
        {"X1f4", 500},
        {"0x1F4", 500},
        {"0X1F4", 500},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {"$000000001", 1},
        {"-$10", -16},
        {"+0x10", 16},
        {"-$FFFFFFFF", 1},
        {"-$80000000", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrToIntTest, RejectedFormsNameTheTextAsTyped)
{
    const char* const cases[] = {
        "",
        " ",
        "250 ",
        "25 0",
        "+",
        "-",
        "$",
        "0x",
        "x",
        "--1",
        "+-1",
        "$-1",
        "1.5",
        "1e3",
        "abc",
        "$1G",
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "$100000000",
        "0x1FFFFFFFF",
        "\t5",
        "５",
    };
    for (const char* text : cases) {
        try {
            StrToInt(text);
            ADD_FAILURE() << '"' << text << "\" was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(IntervalFromTextTest, EmptyChangesNothingAndNegativeIsRefused)
{
    EXPECT_EQ(IntervalFromText(""), std::nullopt);
    EXPECT_EQ(IntervalFromText("0"), std::optional<std::uint32_t>(0));
    EXPECT_EQ(IntervalFromText("$1F4"), std::optional<std::uint32_t>(500));
    EXPECT_EQ(IntervalFromText("2147483647"), std::optional<std::uint32_t>(2147483647u));
    struct Refused {
        const char* Text;
        const char* Message;
    };
    const Refused refused[] = {
        {"-1", "'-1': интервал должен быть 0 мс или больше"},
        {"$FFFFFFFF", "'$FFFFFFFF': интервал должен быть 0 мс или больше"},
        {"-2147483648", "'-2147483648': интервал должен быть 0 мс или больше"},
        {"250 ", "'250 ' is not a valid integer value"},
    };
    for (const Refused& r : refused) {
        try {
            IntervalFromText(r.Text);
            ADD_FAILURE() << '"' << r.Text << "\" was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), r.Message);
        }
    }
}

} // namespace
} // namespace pp::app
