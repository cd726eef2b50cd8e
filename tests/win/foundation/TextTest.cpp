// UTF-8 <-> UTF-16 at the platform boundary: lengths come from the
// conversion itself, so characters of every width must survive both ways.
#include "win/Text.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(TextTest, ConvertsBothWaysWithoutLosingACharacter)
{
    struct TCase {
        const char* Utf8;
        std::wstring Utf16;
    };
    const TCase cases[] = {
        {"", L""},
        {"LPT 888", L"LPT 888"},
        {"\xD0\x9F\xD0\xBE\xD1\x80\xD1\x82 888", L"\x041F\x043E\x0440\x0442 888"}, // Порт 888: two bytes each
        {"\xE2\x82\xAC", L"\x20AC"},                                               // three bytes, one unit
        {"\xF0\x9F\x98\x80!", L"\xD83D\xDE00!"}, // four bytes, a surrogate pair
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(WideFromUtf8(c.Utf8), c.Utf16) << c.Utf8;
        EXPECT_EQ(Utf8FromWide(c.Utf16), c.Utf8) << c.Utf8;
    }
}

TEST(TextTest, EmbeddedNullsAreKept)
{
    const std::string narrow("a\0b", 3);
    const std::wstring wide(L"a\0b", 3);
    EXPECT_EQ(WideFromUtf8(narrow), wide);
    EXPECT_EQ(Utf8FromWide(wide), narrow);
}

} // namespace
} // namespace pp::test
