#include "port/DriverPort.h"
#include "port/PortChoice.h"
#include "port/PortIo.h"
#include "port/SimulatedPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
        {"", K::Automatic, -1, true},      {"driver", K::Driver, -1, true},
        {"sim", K::Simulated, -1, true},   {"sim:0", K::Simulated, 0, true},
        {"sim:255", K::Simulated, 255, true}, {"sim:256", K::Automatic, -1, false},
        {"sim:", K::Automatic, -1, false}, {"sim:-1", K::Automatic, -1, false},
        {"SIM", K::Automatic, -1, false},  {"sim:12x", K::Automatic, -1, false},
    };
    for (const Case& c : cases) {
        const TPortChoice choice = ParsePortChoice(c.setting);
        EXPECT_EQ(choice.Kind, c.kind) << c.setting;
        EXPECT_EQ(choice.FixedReadValue ? *choice.FixedReadValue : -1, c.fixed) << c.setting;
        EXPECT_EQ(choice.Understood, c.understood) << c.setting;
    }
}

TEST(PortIoTest, SimulatedLatchReadsBackTheLowByteWritten)
{
    InitializePort("sim", "");
    EXPECT_EQ(PortBackendName(), "sim");
    EXPECT_FALSE(PortIsSimulatedByFallback());
    Out32(888, 0x12345608); // bits above the low 8 are undefined for callers
    EXPECT_EQ(Inp32(888), 8);
    Out32(888, -1);
    EXPECT_EQ(Inp32(888), 255);
    ShutdownPort();
}

TEST(PortIoTest, FixedReadValueIgnoresWrites)
{
    InitializePort("sim:170", "");
    Out32(888, 8);
    EXPECT_EQ(Inp32(888), 170);
    ShutdownPort();
}

TEST(PortIoTest, MissingDriverFallsBackToSimulationAndSaysSo)
{
    // No driver library lies beside the test program.
    for (const char* setting : {"", "driver", "bogus"}) {
        InitializePort(setting, "");
        EXPECT_EQ(PortBackendName(), "sim") << setting;
        EXPECT_TRUE(PortIsSimulatedByFallback()) << setting;
        EXPECT_NE(PortFallbackMessage().find(".dll"), std::string::npos);
        ShutdownPort();
    }
}

TEST(PortIoTest, TraceHasOneLinePerAccessInOrder)
{
    const std::string file = "port-trace-test.txt";
    std::remove(file.c_str());
    InitializePort("sim:7", file);
    Out32(888, 0x108);
    Inp32(888);
    Out32(888, 255);
    ShutdownPort();

    std::ifstream in(file);
    std::vector<std::string> kinds;
    std::vector<int> values;
    long long previous = -1;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        long long micros = 0;
        std::string kind;
        unsigned port = 0;
        int value = 0;
        ASSERT_TRUE(fields >> micros >> kind >> port >> value) << line;
        EXPECT_GE(micros, previous);
        previous = micros;
        EXPECT_EQ(port, 888u);
        kinds.push_back(kind);
        values.push_back(value);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"W", "R", "W"}));
    EXPECT_EQ(values, (std::vector<int>{8, 7, 255}));
}

TEST(DriverPortTest, BindsTheLibraryAndPassesOnlyTheLowByte)
{
    const std::wstring path = L"fakedriver\\" + std::wstring(DriverLibraryName());
    auto driver = TDriverPort::TryLoad(path.c_str());
    ASSERT_NE(driver, nullptr) << "stand-in driver missing";
    driver->Write(888, 0x34);
    EXPECT_EQ(driver->Read(888), 0x34 ^ 0xFF);
    EXPECT_EQ(TDriverPort::TryLoad(L"no-such-driver.dll"), nullptr);
}

} // namespace
} // namespace pp::port
