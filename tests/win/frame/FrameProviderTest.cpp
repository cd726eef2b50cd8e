// The provider's window procedure as the one place where the form's
// messages meet the skin: nothing of the platform's frame painting gets
// through, children learn what lies behind them, and the frame is given back.
#include "FrameFixture.h"

#include "skin/controls/MessageTakeoverWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

namespace pp::test {
namespace {

// Sits under the provider and records what the provider passes on to the
// form's own handling (and so to the platform's default handling).
class TPassedOnLog {
public:
    explicit TPassedOnLog(TControl& form)
    {
        takeover_.Take(form, [this](TMessage& message) {
            if (message.Msg == WM_NCPAINT || message.Msg == WM_NCACTIVATE)
                entries.push_back({message.Msg, message.LParam});
            takeover_.CallPrevious(message);
        });
    }
    struct TEntry {
        UINT Msg;
        LPARAM LParam;
    };
    std::vector<TEntry> entries;

private:
    TMessageTakeover takeover_;
};

TEST_F(FrameTest, NoFramePaintingReachesThePlatformFromCreationOn)
{
    for (const bool onTheFly : {false, true}) {
        SCOPED_TRACE(onTheFly ? "attached on the fly" : "attached with the form");
        auto* shown = new TForm(Application);
        shown->SetBorderIcons(biSystemMenu | biMinimize);
        shown->SetCaption("Logged");
        shown->HandleNeeded();
        TPassedOnLog log(*shown);
        auto* own = new TsSkinProvider(shown, onTheFly);
        shown->Show();
        shown->Update();
        Application->ProcessMessages();
        SetWindowTextW(shown->HandleValue(), L"Logged again");
        Application->ProcessMessages();
        EXPECT_GT(own->Frame().Rebuilds, 0) << "the skin painted the frame";
        for (const auto& entry : log.entries) {
            EXPECT_NE(entry.Msg, static_cast<UINT>(WM_NCPAINT)) << "the platform painted the frame";
            if (entry.Msg == WM_NCACTIVATE)
                EXPECT_EQ(entry.LParam, -1) << "activation must leave the frame alone";
        }
        delete shown;
    }
}

TEST_F(FrameTest, ProviderGoingGivesThePlatformItsFrameBack)
{
    ShowSkinnedForm();
    delete provider;
    provider = nullptr;
    Application->ProcessMessages();
    EXPECT_NE(GetWindowLongW(Window(), GWL_STYLE) & WS_SYSMENU, 0);
    const TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(Window(), region.Get()), ERROR) << "no region left";
}

TEST_F(FrameTest, ChildrenGetTheFrameImageBehindThemAtTheClientOffset)
{
    ShowSkinnedForm();
    BackdropRequest request;
    SendSkinCommandToWindow(Window(), SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
    const TPoint client = Frame().ClientOffset();
    EXPECT_EQ(request.Kind, bkColor) << "a plain-colour form answers with its colour";
    EXPECT_EQ(request.Color, FormColor);
    const LRESULT offset = SendSkinCommandToWindow(Window(), SkinMsgGetClientOffset);
    EXPECT_EQ(LOWORD(offset), client.X);
    EXPECT_EQ(HIWORD(offset), client.Y);
}

} // namespace
} // namespace pp::test
