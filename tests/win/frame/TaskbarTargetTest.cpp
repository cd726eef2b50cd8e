// The taskbar button search against a taskbar the test builds in its own
// process: the same window classes, a button list that answers with button
// records whose data names a window, and the record read through the
// process's memory as from the shell. Without a button the picture aims at
// the taskbar's edge; with desktop composition it always does.
#include "FormAnimationSeams.h"
#include "win/Handles.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pp::test {
namespace {

// What the shell keeps per button: the window it stands for comes first.
struct TButtonRecord {
    HWND Window;
};

struct TButtonListState {
    std::vector<TButtonRecord*> Records;
    std::vector<bool> Hidden;
    std::vector<RECT> Rects;
};

TButtonListState* ListState = nullptr;

LRESULT CALLBACK ButtonListProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case TB_BUTTONCOUNT: return static_cast<LRESULT>(ListState->Records.size());
    case TB_GETBUTTON: {
        auto* button = reinterpret_cast<TBBUTTON*>(lParam);
        *button = TBBUTTON{};
        button->idCommand = static_cast<int>(wParam);
        button->fsState = ListState->Hidden[wParam] ? TBSTATE_HIDDEN : TBSTATE_ENABLED;
        button->dwData = reinterpret_cast<DWORD_PTR>(ListState->Records[wParam]);
        return TRUE;
    }
    case TB_GETITEMRECT: *reinterpret_cast<RECT*>(lParam) = ListState->Rects[wParam]; return TRUE;
    default: return DefWindowProcW(window, msg, wParam, lParam);
    }
}

void RegisterClassNamed(const wchar_t* name, WNDPROC proc)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

// A taskbar of 1024 x 30 at (0, 738): tray, rebar, task switcher, button list.
class TaskbarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterClassNamed(L"TestShell_TrayWnd", DefWindowProcW);
        RegisterClassNamed(L"ReBarWindow32", DefWindowProcW);
        RegisterClassNamed(L"MSTaskSwWClass", DefWindowProcW);
        // A class of this program under the shell's name; it comes before the
        // common controls' own.
        RegisterClassNamed(L"ToolbarWindow32", ButtonListProc);
        tray.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"TestShell_TrayWnd", L"", WS_POPUP, 0, 738, 1024, 30,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        HWND rebar = Child(tray.Get(), L"ReBarWindow32");
        HWND tasks = Child(rebar, L"MSTaskSwWClass");
        list = CreateWindowExW(0, L"ToolbarWindow32", L"", WS_CHILD, 0, 0, 1024, 30, tasks, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        ListState = &state;
        taskbar = std::make_unique<TTaskbar>(tray.Get());
    }
    void TearDown() override
    {
        taskbar.reset();
        ListState = nullptr;
    }
    HWND Child(HWND parent, const wchar_t* className)
    {
        return CreateWindowExW(0, className, L"", WS_CHILD, 0, 0, 1024, 30, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    void AddButton(TButtonRecord* record, RECT rect, bool hidden = false)
    {
        state.Records.push_back(record);
        state.Rects.push_back(rect);
        state.Hidden.push_back(hidden);
    }

    TWindowHandle tray;
    HWND list = nullptr;
    TButtonListState state;
    std::unique_ptr<TTaskbar> taskbar;
};

TEST_F(TaskbarTest, FindsTheButtonOfTheWindowAndSkipsOthers)
{
    ASSERT_TRUE(list);
    HWND mine = reinterpret_cast<HWND>(0x1230);
    TButtonRecord other{reinterpret_cast<HWND>(0x4560)}, hiddenMine{mine}, shownMine{mine};
    AddButton(&other, {0, 2, 160, 28});
    AddButton(nullptr, {160, 2, 320, 28}); // a separator: no data
    AddButton(&hiddenMine, {320, 2, 480, 28}, true);
    AddButton(&shownMine, {480, 2, 640, 28});

    TRect button;
    ASSERT_TRUE(FindTaskbarButton(tray.Get(), {nullptr, mine}, button));
    // The list's own coordinates, moved to the screen.
    EXPECT_EQ(button.Left, 480);
    EXPECT_EQ(button.Top, 740);
    EXPECT_EQ(button.Right, 640);
    EXPECT_EQ(button.Bottom, 766);
    EXPECT_FALSE(FindTaskbarButton(tray.Get(), {reinterpret_cast<HWND>(0x7890)}, button))
        << "no button of it";
}

TEST_F(TaskbarTest, GivesUpQuietlyWithoutTaskbarOrList)
{
    TButtonRecord mine{reinterpret_cast<HWND>(0x1230)};
    AddButton(&mine, {0, 2, 160, 28});
    TRect button;
    EXPECT_FALSE(FindTaskbarButton(nullptr, {mine.Window}, button));
    DestroyWindow(list);
    EXPECT_FALSE(FindTaskbarButton(tray.Get(), {mine.Window}, button)) << "no button list";
}

TEST_F(TaskbarTest, MinimizeAimsAtTheButtonWithoutCompositionAndAtTheEdgeWithIt)
{
    HWND mine = reinterpret_cast<HWND>(0x1230);
    TButtonRecord record{mine};
    AddButton(&record, {480, 2, 640, 28});
    const TRect place{100, 100, 500, 400}; // centre (300, 250)
    const TRect edgeTarget{300, 738, 300, 738};
    struct TCase {
        bool composited;
        bool buttonListed;
        TRect expected;
    };
    const TCase cases[] = {
        {false, true, {480, 740, 640, 766}},
        {true, true, edgeTarget},
        {false, false, edgeTarget},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.composited ? "composited" : "not composited") +
                     (c.buttonListed ? ", button listed" : ", no button"));
        const TComposition composition(c.composited);
        const TRect target = MinimizeTarget(place, {c.buttonListed ? mine : reinterpret_cast<HWND>(0x999)},
                                            DesktopCompositionEnabled());
        EXPECT_EQ(target.Left, c.expected.Left);
        EXPECT_EQ(target.Top, c.expected.Top);
        EXPECT_EQ(target.Right, c.expected.Right);
        EXPECT_EQ(target.Bottom, c.expected.Bottom);
    }
}

} // namespace
} // namespace pp::test
