#include "port/DriverPortWin32.h"
#include "port/PortIoWin32.h"
#include "port/SimulatedPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pp::port {
namespace {

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

TEST(PortIoTest, TraceHasOneLinePerAccessInOrderWhicheverWayThePortIsDriven)
{
    const std::string file = "port-trace-test.txt";
    std::remove(file.c_str());
    InitializePort("sim:7", file);
    Out32(888, 0x108);
    Inp32(888);
    ProcessPort().Write(888, 255);
    EXPECT_EQ(ProcessPort().Read(888), 7);
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
    EXPECT_EQ(kinds, (std::vector<std::string>{"W", "R", "W", "R"}));
    EXPECT_EQ(values, (std::vector<int>{8, 7, 255, 7}));
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
