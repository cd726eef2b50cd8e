// The push-button adapter: the look of each state, the caption's place,
// hover from one button to the next, and giving the button back.
#include "AdapterFixture.h"

#include "skin/controls/AdapterHotWindowWin32.h"
#include "skin/controls/MessageTakeoverWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"

#include <functional>

namespace pp::test {
namespace {

TacBtnWnd& AdapterOf(TButton* button)
{
    auto* adapter = dynamic_cast<TacBtnWnd*>(TacMainWnd::FromWindow(button->Handle()));
    EXPECT_NE(adapter, nullptr);
    return *adapter;
}

TEST_F(AdapterTest, ButtonStateFollowsPushFocusHoverAndTheDefaultButton)
{
    struct Case {
        const char* Name;
        std::function<void(TButton*)> Prepare;
        int Expected;
    };
    const Case cases[] = {
        {"at rest", [](TButton*) {}, 0},
        {"default at rest", [](TButton* b) { b->SetDefault(true); }, 1},
        {"focused", [](TButton* b) { SetFocus(b->Handle()); }, 1},
        {"hot", [&](TButton* b) { SetAdapterHotWindow(manager.get(), b->Handle()); }, 1},
        {"pushed", [](TButton* b) { SendMessageW(b->Handle(), BM_SETSTATE, TRUE, 0); }, 2},
        {"disabled default",
         [](TButton* b) {
             b->SetDefault(true);
             b->SetEnabled(false);
         },
         0},
    };
    std::vector<TButton*> buttons;
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        buttons.push_back(Button(form, 8 + 48 * i, 8, "Ok"));
    ASSERT_NE(Skin(), nullptr);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(cases[i].Name);
        SetAdapterHotWindow(manager.get(), nullptr);
        Unfocus();
        cases[i].Prepare(buttons[i]);
        EXPECT_EQ(AdapterOf(buttons[i]).ButtonState(), cases[i].Expected);
    }
}

TEST_F(AdapterTest, DefaultButtonPaintsTheHotLookWhileNeitherFocusedNorHovered)
{
    TButton* plain = Button(form, 8, 8, "No");
    TButton* byDefault = Button(form, 60, 8, "Yes");
    byDefault->SetDefault(true);
    ASSERT_NE(Skin(), nullptr);
    Unfocus();
    EXPECT_EQ(PrintedPixel(plain->Handle(), 2, 2), ButtonNormalColor);
    EXPECT_EQ(PrintedPixel(byDefault->Handle(), 2, 2), ButtonHotColor);
}

TEST_F(AdapterTest, DisabledButtonShowsFortyPercentOfTheBackdrop)
{
    TButton* button = Button(form, 8, 8, "Off");
    button->SetEnabled(false);
    ASSERT_NE(Skin(), nullptr);
    // The button's own pixel keeps the weight 154 of 256 over the form's
    // client, which the skin's grey 128 "FORM" paints:
    // red (154 * (200 - 128) + 128 * 256) >> 8 = 171, green and blue
    // (154 * (0 - 128) + 128 * 256) >> 8 = 51.
    EXPECT_EQ(PrintedPixel(button->Handle(), 2, 2), MakeColor(171, 51, 51));
}

// Measures every caption as the given size, to place it by hand.
class TFixedCaptionBtnWnd : public TacBtnWnd {
public:
    TFixedCaptionBtnWnd(HWND window, TsSkinManager* manager, TSize caption)
        : TacBtnWnd(window, false, "", manager, nullptr), caption_(caption)
    {
    }
    TSize MeasureCaption(TCanvas&) override { return caption_; }

private:
    TSize caption_;
};

TEST_F(AdapterTest, CaptionAreaCentresTheMeasuredTextAndMovesWhenPushed)
{
    struct Case {
        TSize Caption;
        bool Pushed;
        TRect Expected;
    };
    // Button 41 x 20: q = (41 - w) div 2, v = (20 - h) div 2, toward zero.
    const Case cases[] = {
        {{10, 8}, false, {14, 6, 28, 14}},
        {{10, 8}, true, {15, 7, 29, 15}},
        {{45, 8}, false, {-3, 6, 45, 14}},
        {{41, 20}, false, {-1, 0, 43, 20}},
    };
    TButton* button = Button(form, 8, 8, "Cap");
    ShowForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Caption.Width);
        TFixedCaptionBtnWnd adapter(button->Handle(), manager.get(), c.Caption);
        SendMessageW(button->Handle(), BM_SETSTATE, c.Pushed ? TRUE : FALSE, 0);
        TCanvas canvas;
        EXPECT_EQ(adapter.CaptionArea(canvas), c.Expected);
        SendMessageW(button->Handle(), BM_SETSTATE, FALSE, 0);
    }
}

TEST_F(AdapterTest, CaptionWidthIsZeroWithoutTextElseTheWidthPlusOne)
{
    TButton* empty = Button(form, 8, 8, "");
    TButton* named = Button(form, 60, 8, "Read");
    ASSERT_NE(Skin(), nullptr);
    EXPECT_EQ(AdapterOf(empty).CaptionWidth(), 0);
    EXPECT_EQ(AdapterOf(named).CaptionWidth(), 42);
    named->SetCaption("");
    EXPECT_EQ(AdapterOf(named).CaptionWidth(), 0);
}

// Records the hover commands that reach a button, in order, and passes them on.
struct THoverLog {
    std::vector<std::pair<HWND, TSkinCommand>> Events;
    std::vector<std::unique_ptr<TMessageTakeover>> Watches;

    void Watch(TButton* button)
    {
        auto watch = std::make_unique<TMessageTakeover>();
        TMessageTakeover* self = watch.get();
        HWND window = button->Handle();
        watch->Take(*button, [this, self, window](TMessage& message) {
            if (message.Msg == SM_SKINCOMMAND) {
                const TSkinCommand command = SkinCommandOf(message.WParam);
                if (command == SkinMsgMouseEnter || command == SkinMsgMouseLeave)
                    Events.emplace_back(window, command);
            }
            self->CallPrevious(message);
        });
        Watches.push_back(std::move(watch));
    }
};

void MoveMouseOver(TButton* button)
{
    RECT r{};
    GetWindowRect(button->Handle(), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
}

TEST_F(AdapterTest, MovingToAnotherButtonLeavesTheFirstThenEntersTheSecond)
{
    TButton* first = Button(form, 8, 8, "A");
    TButton* second = Button(form, 60, 8, "B");
    ASSERT_NE(Skin(), nullptr);
    Unfocus();
    THoverLog log;
    log.Watch(first);
    log.Watch(second);

    MoveMouseOver(first);
    MoveMouseOver(second);

    const std::vector<std::pair<HWND, TSkinCommand>> expected{{first->Handle(), SkinMsgMouseEnter},
                                                              {first->Handle(), SkinMsgMouseLeave},
                                                              {second->Handle(), SkinMsgMouseEnter}};
    EXPECT_EQ(log.Events, expected);
    EXPECT_FALSE(AdapterOf(first).SkinData()->MouseInside);
    EXPECT_TRUE(AdapterOf(second).SkinData()->MouseInside);
    EXPECT_EQ(PrintedPixel(first->Handle(), 2, 2), ButtonNormalColor);
    EXPECT_EQ(PrintedPixel(second->Handle(), 2, 2), ButtonHotColor);
    for (auto& watch : log.Watches)
        watch->GiveBack();
}

TEST_F(AdapterTest, PointerLeavingTheButtonClearsItsHotLook)
{
    TButton* button = Button(form, 8, 8, "A");
    ASSERT_NE(Skin(), nullptr);
    Unfocus();
    MoveMouseOver(button);
    ASSERT_EQ(AdapterHotWindow(manager.get()), button->Handle());
    SendMessageW(button->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(AdapterHotWindow(manager.get()), nullptr);
    EXPECT_FALSE(AdapterOf(button).SkinData()->MouseInside);
    EXPECT_EQ(PrintedPixel(button->Handle(), 2, 2), ButtonNormalColor);
}

TEST_F(AdapterTest, ReleasedButtonClicksAndPaintsLikeOneNeverAdapted)
{
    TButton* adapted = Button(form, 8, 8, "Same");
    ASSERT_NE(Skin(), nullptr);
    TButton* untouched = Button(form, 8, 40, "Same");
    const LONG_PTR procedure = GetWindowLongPtrW(adapted->Handle(), GWLP_WNDPROC);
    ASSERT_TRUE(AnswersSkinned(adapted));
    Unfocus();

    Adapter().RemoveAllItems();

    EXPECT_FALSE(AnswersSkinned(adapted));
    EXPECT_EQ(GetPropW(adapted->Handle(), AdapterProperty), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(adapted->Handle(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(PrintedPixels(adapted->Handle(), 41, 20), PrintedPixels(untouched->Handle(), 41, 20));
    int clicks = 0;
    adapted->OnClick = [&](TObject*) { ++clicks; };
    SendMessageW(adapted->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(AdapterTest, PlainWindowGetsItsProcedureBackWhenTheAdapterGoes)
{
    ShowForm();
    TWindowHandle window(CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE, 8, 8, 60, 20,
                                         form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window);
    const LONG_PTR procedure = GetWindowLongPtrW(window.Get(), GWLP_WNDPROC);
    {
        TacBtnWnd adapter(window.Get(), false, "", manager.get(), nullptr);
        EXPECT_NE(GetWindowLongPtrW(window.Get(), GWLP_WNDPROC), procedure);
        EXPECT_EQ(TacMainWnd::FromWindow(window.Get()), &adapter);
        EXPECT_EQ(SendSkinCommandToWindow(window.Get(), SkinMsgIsSkinned), 1);
        EXPECT_EQ(adapter.SkinData()->SkinSection(), "BUTTON");
    }
    EXPECT_EQ(GetWindowLongPtrW(window.Get(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(TacMainWnd::FromWindow(window.Get()), nullptr);
    EXPECT_EQ(SendSkinCommandToWindow(window.Get(), SkinMsgIsSkinned), 0);
}

// Counts what the skin changes make an adapter do.
class TCountingBtnWnd : public TacBtnWnd {
public:
    TCountingBtnWnd(HWND window, TsSkinManager* manager) : TacBtnWnd(window, false, "", manager, nullptr) { }
    ~TCountingBtnWnd() override { Release(); }
    void ReleaseHook() override
    {
        ++ReleaseHooks;
        TacBtnWnd::ReleaseHook();
    }
    void HandleAdapterMessage(TMessage& message) override
    {
        if (message.Msg == WM_PAINT)
            ++Paints;
        TacBtnWnd::HandleAdapterMessage(message);
    }
    int ReleaseHooks = 0;
    int Paints = 0;
};

TEST_F(AdapterTest, RemovingTheSkinReleasesHooksAndRefreshRepaintsEachVisibleButtonOnce)
{
    TButton* shown = Button(form, 8, 8, "A");
    TButton* hidden = Button(form, 60, 8, "B");
    ShowForm();
    Unfocus();
    hidden->Hide();
    TCountingBtnWnd shownAdapter(shown->Handle(), manager.get());
    TCountingBtnWnd hiddenAdapter(hidden->Handle(), manager.get());
    PumpMessagesFor(50ms);
    const LPARAM fromManager = reinterpret_cast<LPARAM>(manager.get());

    for (TButton* button : {shown, hidden})
        SendSkinCommandToWindow(button->Handle(), SkinMsgRemoveSkin, fromManager);
    EXPECT_EQ(shownAdapter.ReleaseHooks, 1);
    EXPECT_EQ(hiddenAdapter.ReleaseHooks, 1);
    // From another manager: not ours to act on.
    TsSkinManager other(nullptr);
    SendSkinCommandToWindow(shown->Handle(), SkinMsgRemoveSkin, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(shownAdapter.ReleaseHooks, 1);

    shownAdapter.Paints = hiddenAdapter.Paints = 0;
    for (TButton* button : {shown, hidden})
        SendSkinCommandToWindow(button->Handle(), SkinMsgRefresh, fromManager);
    EXPECT_EQ(shownAdapter.Paints, 1);
    EXPECT_EQ(hiddenAdapter.Paints, 0);
    EXPECT_EQ(PrintedPixel(shown->Handle(), 2, 2), ButtonNormalColor);
}

} // namespace
} // namespace pp::test
