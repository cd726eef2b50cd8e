#include "port/DriverPortWin32.h"
#include "port/PortIoWin32.h"
#include "port/SimulatedPort.h"
#include "port/SystemErrorWin32.h"
#include "win/Text.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
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

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(PortIoTest, MissingDriverFallsBackToSimulationAndSaysSo)
{
    // No driver library lies beside the test program.
    const std::string library = Utf8FromWide(DriverLibraryName());
    for (const char* setting : {"", "driver", "bogus"}) {
        InitializePort(setting, "");
        EXPECT_EQ(PortBackendName(), "sim") << setting;
        EXPECT_TRUE(PortIsSimulatedByFallback()) << setting;
        const std::string notice = PortStartupNotice();
        EXPECT_EQ(Count(notice, "Драйвер порта " + library + " не найден"), 1u) << notice;
        EXPECT_EQ(Count(notice, "PINDREL_PORT"), setting == std::string("bogus") ? 1u : 0u) << notice;
        ShutdownPort();
    }
}

TEST(PortIoTest, NothingToSayWhenTheSimulationWasAskedFor)
{
    InitializePort("sim", "");
    EXPECT_EQ(PortStartupNotice(), "");
    ShutdownPort();
}

// Runs with the given folder as the current one, where the loader looks for
// the driver library after the system's folders.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const std::string& folder)
    {
        GetCurrentDirectoryW(MAX_PATH, saved_);
        SetCurrentDirectoryW(WideFromUtf8(folder).c_str());
    }
    ~TCurrentFolder() { SetCurrentDirectoryW(saved_); }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;

private:
    wchar_t saved_[MAX_PATH] = {};
};

TEST(PortIoTest, BrokenDriverIsReportedOnceWithWhereAndWhyAndThePortIsSimulated)
{
    struct TCase {
        const char* Folder;
        const char* Reason;
    };
    const TCase cases[] = {
        {"fakedriver-no-exports", "в библиотеке нет функций Out32 и Inp32"},
        {"fakedriver-other-bitness", "библиотека другой разрядности"},
    };
    for (const TCase& c : cases) {
        {
            const TCurrentFolder folder(std::string(PP_BINARY_DIR) + "/" + c.Folder);
            InitializePort("", "");
        }
        EXPECT_EQ(PortBackendName(), "sim") << c.Folder;
        EXPECT_TRUE(PortIsSimulatedByFallback()) << c.Folder;
        const std::string notice = PortStartupNotice();
        EXPECT_EQ(Count(notice, "Драйвер порта "), 1u) << notice;
        EXPECT_EQ(Count(notice, "не найден"), 0u) << notice;
        EXPECT_NE(notice.find(std::string(c.Folder) + "\\" + Utf8FromWide(DriverLibraryName())),
                  std::string::npos)
            << notice;
        EXPECT_NE(notice.find(c.Reason), std::string::npos) << notice;
        EXPECT_NE(notice.find("Порт имитируется."), std::string::npos) << notice;
        Out32(888, 0x5A);
        EXPECT_EQ(Inp32(888), 0x5A) << c.Folder;
        ShutdownPort();
    }
}

std::string TempFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return Utf8FromWide(folder);
}

TEST(PortTraceTest, TraceThatCannotBeOpenedIsReportedWithPathAndReasonAndThePortRunsOn)
{
    // A folder stands for a file nobody may write: a read-only file would
    // do on Windows, but not for a test run with the rights of root.
    const std::string folder = TempFolder() + "trace-folder";
    CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr);
    struct TCase {
        std::string Given;
        std::string Shown;
        unsigned long Error;
    };
    const std::string missing = TempFolder() + "no-such-folder\\trace.txt";
    const TCase cases[] = {
        {missing, missing, ERROR_PATH_NOT_FOUND},
        // Named relative to the current folder, shown in full so it can be found.
        {"no-such-folder\\trace.txt", missing, ERROR_PATH_NOT_FOUND},
        {folder, folder, ERROR_ACCESS_DENIED},
    };
    for (const TCase& c : cases) {
        {
            const TCurrentFolder current(TempFolder());
            InitializePort("sim", c.Given);
        }
        const std::string notice = PortStartupNotice();
        EXPECT_NE(
            notice.find("Файл трассировки порта " + c.Shown + " не открывается: " + SystemErrorText(c.Error)),
            std::string::npos)
            << notice;
        EXPECT_EQ(Count(notice, "Файл трассировки порта"), 1u) << notice;
        Out32(888, 3);
        EXPECT_EQ(Inp32(888), 3);
        ShutdownPort();
    }
    RemoveDirectoryW(WideFromUtf8(folder).c_str());
}

TEST(PortTraceTest, LongTracePathFromTheEnvironmentIsNotDroppedInSilence)
{
    const std::string path = TempFolder() + "no-such-folder\\" + std::string(1500, 'x') + ".txt";
    SetEnvironmentVariableW(L"PINDREL_PORT", L"sim");
    SetEnvironmentVariableW(L"PINDREL_PORT_TRACE", WideFromUtf8(path).c_str());
    InitializePort();
    SetEnvironmentVariableW(L"PINDREL_PORT", nullptr);
    SetEnvironmentVariableW(L"PINDREL_PORT_TRACE", nullptr);
    const std::string notice = PortStartupNotice();
    ShutdownPort();
    EXPECT_NE(notice.find("Файл трассировки порта " + path + " не открывается: "), std::string::npos)
        << notice;
}

// A trace file that takes a given number of lines and then fails, as a disk
// that fills up does.
class TFillingTraceFile final : public TTraceFile {
public:
    TFillingTraceFile(int room, std::vector<std::string>& lines, int& attempts)
        : room_(room), lines_(lines), attempts_(attempts)
    {
    }
    bool Append(std::string_view text) override
    {
        ++attempts_;
        if (static_cast<int>(lines_.size()) == room_)
            return false;
        lines_.emplace_back(text);
        return true;
    }
    std::string FailureReason() const override { return "диск заполнен"; }

private:
    int room_;
    std::vector<std::string>& lines_;
    int& attempts_;
};

TEST(PortTraceTest, TraceThatFailsWhileWritingStopsWithOneNoticeAndThePortGoesOn)
{
    std::vector<std::string> lines;
    int attempts = 0;
    std::vector<std::string> notices;
    SetTraceStoppedHandler([&](const std::string& notice) { notices.push_back(notice); });
    InitializePort("sim", std::make_unique<TPortTrace>(
                              "D:\\trace.txt", std::make_unique<TFillingTraceFile>(3, lines, attempts)));
    for (int value = 1; value <= 5; ++value) {
        Out32(888, value);
        EXPECT_EQ(Inp32(888), value);
    }
    ShutdownPort();
    SetTraceStoppedHandler(nullptr);

    EXPECT_EQ(lines.size(), 3u);
    EXPECT_EQ(attempts, 4) << "the trace went on writing into a failed file";
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0],
              "Запись в файл трассировки порта D:\\trace.txt не удалась: диск заполнен. "
              "Трассировка остановлена, порт обновляется дальше.");
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
