#pragma once
// The main window created in-process on the simulated port, with the port
// trace read back as "W<byte>" and "R" entries in order.
#include "app/Unit1.h"
#include "app/logic/LineImage.h"
#include "port/PortIoWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pp {

using Trace = std::vector<std::string>;

struct TTimedPortAccess {
    long long Micros;
    std::string Entry;
};

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Port accesses since the last call.
    Trace TakeTrace();
    // The same, with the trace's timestamps.
    std::vector<TTimedPortAccess> TakeTimedTrace();
    // Button1 ... Button26 by their number.
    TButton* ButtonNumber(int number) const;
    void Click(TButton* button);
    void MenuCommand(TMenuItem* item);
    // Runs `action`, which opens a modal form of type T, and hands that form
    // to `whileOpen` once it has been up for at least `openFor`; whileOpen
    // must close it.
    template <class T>
    void WithModal(const std::function<void()>& action, const std::function<void(T&)>& whileOpen,
                   std::chrono::milliseconds openFor = std::chrono::milliseconds(0))
    {
        const DWORD due = GetTickCount() + static_cast<DWORD>(openFor.count());
        // whileOpen may pump messages itself: the watcher's next tick must
        // not hand it the same form again meanwhile.
        bool inside = false;
        test::TModalWatcher watcher([&](HWND window) {
            auto* modal = dynamic_cast<T*>(TWinControl::FromHandle(window));
            if (inside || !modal || static_cast<int>(GetTickCount() - due) < 0)
                return false;
            inside = true;
            whileOpen(*modal);
            inside = false;
            return true;
        });
        action();
        EXPECT_EQ(watcher.Handled(), 1);
    }

    // Types `typed` into the interval box of a menu item and presses OK.
    void EnterInterval(TMenuItem* item, const char* typed);

    TForm1* form = nullptr;
    std::vector<std::string> errors;

private:
    std::string traceFile_;
    std::size_t traceRead_ = 0;
};

} // namespace pp
