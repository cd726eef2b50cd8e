// Which port backend the PINDREL_PORT setting asks for.
#include "port/PortChoice.h"

#include <gtest/gtest.h>

namespace pp::port {
namespace {

TEST(PortChoiceTest, SettingsTable)
{
    using K = TPortChoice::TKind;
    struct Case {
        const char* setting;
        K kind;
        int fixed; // -1: none
        bool understood;
    };
    const Case cases[] = {
        {"", K::Automatic, -1, true},         {"driver", K::Driver, -1, true},
        {"sim", K::Simulated, -1, true},      {"sim:0", K::Simulated, 0, true},
        {"sim:255", K::Simulated, 255, true}, {"sim:256", K::Automatic, -1, false},
        {"sim:", K::Automatic, -1, false},    {"sim:-1", K::Automatic, -1, false},
        {"SIM", K::Automatic, -1, false},     {"sim:12x", K::Automatic, -1, false},
    };
    for (const Case& c : cases) {
        const TPortChoice choice = ParsePortChoice(c.setting);
        EXPECT_EQ(choice.Kind, c.kind) << c.setting;
        EXPECT_EQ(choice.FixedReadValue ? *choice.FixedReadValue : -1, c.fixed) << c.setting;
        EXPECT_EQ(choice.Understood, c.understood) << c.setting;
    }
}

} // namespace
} // namespace pp::port
