// A port trace whose file fails while the program runs: the user hears of it
// once, in a box, and the refresh goes on while the box is open and after.
#include "AppFixture.h"

#include "app/PortNoticeBox.h"
#include "win/Text.h"

#include <memory>
#include <set>

namespace pp {
namespace {

using namespace std::chrono_literals;

// A file that takes no line, as a full disk does.
class TFullDiskTraceFile final : public port::TTraceFile {
public:
    explicit TFullDiskTraceFile(int& attempts) : attempts_(attempts) { }
    bool Append(std::string_view) override
    {
        ++attempts_;
        return false;
    }
    std::string FailureReason() const override { return "на диске нет места"; }

private:
    int& attempts_;
};

TEST_F(AppFixture, TraceThatFailsWhileRunningIsToldOnceAndTheRefreshGoesOn)
{
    const app::TTraceStopNotice stopNotice;
    int attempts = 0;
    port::InitializePort("sim", std::make_unique<port::TPortTrace>(
                                    "T:\\trace.txt", std::make_unique<TFullDiskTraceFile>(attempts)));
    bool linePressed = false;
    std::set<HWND> closed;
    std::wstring caption;
    std::wstring text;
    test::TModalWatcher watcher([&](HWND window) {
        if (test::WindowClassName(window) != L"#32770" || closed.count(window))
            return false;
        // Pressed while the box is open: the refresh must carry it to the port.
        if (!linePressed) {
            Click(form->Button11);
            linePressed = true;
            return false;
        }
        if (form->StatusBar1->Panels()[0].Text() != "Порт 888:32")
            return false;
        closed.insert(window);
        return test::CloseMessageBox(window, &caption, &text);
    });
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return watcher.Handled() == 1; }, 5s))
        << "no notice, or the refresh stopped while it was open";
    test::PumpMessagesFor(300ms);

    EXPECT_EQ(watcher.Handled(), 1);
    EXPECT_EQ(attempts, 1) << "the trace went on writing into a failed file";
    EXPECT_EQ(Utf8FromWide(caption), Application->Title());
    EXPECT_EQ(Utf8FromWide(text),
              "Запись в файл трассировки порта T:\\trace.txt не удалась: на диске нет места. "
              "Трассировка остановлена, порт обновляется дальше.");
    Click(form->Button12);
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return form->StatusBar1->Panels()[0].Text() == "Порт 888:0"; }))
        << "the refresh stopped after the notice";
}

} // namespace
} // namespace pp
