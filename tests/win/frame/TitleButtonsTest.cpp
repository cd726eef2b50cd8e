// The skinned frame's caption buttons from the user's side: what the window
// answers where, how a hovered button fades, which clicks turn into system
// commands, the skinned system menu and the form's own title buttons.
#include "FrameFixture.h"

#include "skin/controls/MessageTakeoverWin32.h"
#include "skin/forms/acMenuWindow.h"
#include "skin/loading/SkinManagerOptions.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "toolkit/Application.h"

#include <optional>

namespace pp::test {
namespace {

// The caption buttons' three looks, red in the low byte.
constexpr TColor CloseLooks[3] = {0x000080, 0x0000FF, 0x000040};
constexpr TColor MinimizeLooks[3] = {0x008000, 0x00FF00, 0x004000};
constexpr TColor RestoreColor = 0xC0C000;
constexpr int HelpGap = 6, DefaultSide = 21;

void PaintStates(TsMaskData& mask, const TColor (&looks)[3])
{
    for (int state = 0; state < 3; ++state)
        for (int y = 0; y < ButtonHeight; ++y)
            for (int x = 0; x < ButtonWidth; ++x)
                mask.OwnBitmap->Pixel32(state * ButtonWidth + x, y) = PixelFromColor(looks[state]);
}

// Sits under the provider: records the system commands and double clicks
// the provider passes on, and keeps the commands from the platform so that
// the form stays as it is.
class TCommandLog {
public:
    explicit TCommandLog(TControl& form)
    {
        takeover_.Take(form, [this](TMessage& message) {
            if (message.Msg == WM_SYSCOMMAND) {
                Commands.push_back(static_cast<UINT>(message.WParam & 0xFFF0));
                return;
            }
            if (message.Msg == WM_NCLBUTTONDBLCLK)
                ++DoubleClicksPassedOn;
            takeover_.CallPrevious(message);
        });
    }
    std::vector<UINT> Commands;
    int DoubleClicksPassedOn = 0;

private:
    TMessageTakeover takeover_;
};

class TPushLog {
public:
    TPushLog()
    {
        TLayeredWindowApi api;
        api.Available = [] { return true; };
        api.Push = [this](const TLayeredPush& push) {
            Alphas.push_back(push.Alpha);
            return true;
        };
        previous_ = SetLayeredWindowApi(std::move(api));
    }
    ~TPushLog() { SetLayeredWindowApi(previous_); }
    std::vector<int> Alphas;

private:
    TLayeredWindowApi previous_;
};

class TitleButtonTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        TsLoadedSkin& skin = manager->Skin();
        const int global = skin.GetSkinIndex(GlobalInfoSection);
        PaintStates(skin.MaskAt(skin.GetMaskIndex(global, GlobalInfoSection, "BICONCLOSE")), CloseLooks);
        PaintStates(skin.MaskAt(skin.GetMaskIndex(global, GlobalInfoSection, "BICONMIN")), MinimizeLooks);
        TsMaskData restore;
        restore.OwnBitmap = std::make_unique<TBitmap>(3 * ButtonWidth, ButtonHeight);
        restore.OwnBitmap->Fill(PixelFromColor(RestoreColor));
        restore.SourceRect = {0, 0, 3 * ButtonWidth, ButtonHeight};
        restore.SectionName = GlobalInfoSection;
        restore.KeyName = "BICONNORM";
        restore.FrameCount = MaskField(3);
        skin.AddMask(std::move(restore));
        skin.UpdateSectionImageIndexes();
        wasDisabled_ = GlowingDisabledAtStart();
        SetGlowingDisabledAtStart(false);
        manager->Effects.SetAllowGlowing(false);
    }
    void TearDown() override
    {
        SetGlowingDisabledAtStart(wasDisabled_);
        TitleElementPressed = false;
        FrameTest::TearDown();
    }

    TCaptionButtons& Buttons() { return Frame().CaptionButtons(); }
    TRect SlotRect(TCaptionSlot slot) { return Buttons().Slot(slot).Rect; }
    TPoint Centre(const TRect& r) const { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    TPoint CaptionMiddle()
    {
        const TFrameMeasures m = Frame().Measures();
        return {m.Width / 2, CaptionCenterY(m)};
    }
    LPARAM ScreenOf(TPoint p) const
    {
        RECT r{};
        GetWindowRect(Window(), &r);
        return MAKELPARAM(r.left + p.X, r.top + p.Y);
    }
    LRESULT HitTest(TPoint p) const { return SendMessageW(Window(), WM_NCHITTEST, 0, ScreenOf(p)); }
    void Mouse(UINT msg, TPoint p) { SendMessageW(Window(), msg, HitTest(p), ScreenOf(p)); }
    // Puts the real cursor there too: fades look where it is.
    void PointAt(TPoint p)
    {
        RECT r{};
        GetWindowRect(Window(), &r);
        SetCursorPos(r.left + p.X, r.top + p.Y);
        Mouse(WM_NCMOUSEMOVE, p);
    }
    void Click(TPoint down, TPoint up)
    {
        Mouse(WM_NCLBUTTONDOWN, down);
        Mouse(WM_NCMOUSEMOVE, up);
        Mouse(WM_NCLBUTTONUP, up);
    }
    // With fades on: shows the form, puts the pointer on the close button
    // and waits for its overlay at full opacity.
    bool HoverCloseUntilFullyShown(const TPushLog& pushes)
    {
        manager->Effects.SetAllowGlowing(true);
        ShowSkinnedForm();
        PointAt(Centre(SlotRect(csClose)));
        return PumpUntil([&] { return !pushes.Alphas.empty() && pushes.Alphas.back() == 255; });
    }
    // Handles messages until `done` or two seconds.
    template <typename TDone> bool PumpUntil(TDone done)
    {
        const ULONGLONG deadline = GetTickCount64() + 2000;
        while (!done() && GetTickCount64() < deadline) {
            Application->ProcessMessages();
            Sleep(1);
        }
        return done();
    }

private:
    bool wasDisabled_ = false;
};

TEST_F(TitleButtonTest, ButtonsFromTheRightAreCloseMinimizeHelpEachWithItsCode)
{
    form->SetBorderIcons(biSystemMenu | biMinimize | biHelp);
    ShowSkinnedForm();
    const TFrameMeasures m = Frame().Measures();
    const TRect close = SlotRect(csClose), minimize = SlotRect(csMinimize), help = SlotRect(csHelp);
    EXPECT_EQ(close.Right, m.Width - m.Frame);
    EXPECT_EQ(minimize.Right, close.Left);
    // The skin has no help image: the button keeps the default width, 6 further left.
    EXPECT_EQ(help.Right, minimize.Left - HelpGap);
    EXPECT_EQ(help.Width(), DefaultSide);
    EXPECT_TRUE(SlotRect(csMaximize).IsEmpty());
    const struct {
        const char* where;
        TPoint at;
        LRESULT code;
    } cases[] = {
        {"close", Centre(close), HTCLOSE},
        {"minimize", Centre(minimize), HTMINBUTTON},
        {"help", Centre(help), HTHELP},
        {"caption middle", CaptionMiddle(), HTCAPTION},
        {"caption icon", Centre(Frame().IconRect()), HTSYSMENU},
        {"client", {m.Width / 2, m.Height / 2}, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTest(c.at), c.code) << c.where;
}

TEST_F(TitleButtonTest, HoveredCloseButtonFadesInTenStepsAndMovingTheFormStopsIt)
{
    const TPushLog pushes;
    ASSERT_TRUE(HoverCloseUntilFullyShown(pushes));
    const std::vector<int> expected{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255};
    EXPECT_EQ(pushes.Alphas, expected);
    TacSBAnimation* fade = Buttons().Slot(csClose).Animation.get();
    ASSERT_NE(fade, nullptr);
    EXPECT_NE(fade->OverlayWindow(), nullptr);

    RECT r{};
    GetWindowRect(Window(), &r);
    SetWindowPos(Window(), nullptr, r.left + 7, r.top + 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(fade->Active());
    EXPECT_EQ(fade->OverlayWindow(), nullptr);
    const std::size_t shown = pushes.Alphas.size();
    Settle();
    EXPECT_EQ(pushes.Alphas.size(), shown) << "nothing is drawn after the move";
}

TEST_F(TitleButtonTest, LeavingTheCloseButtonFadesItsOverlayOut)
{
    const TPushLog pushes;
    ASSERT_TRUE(HoverCloseUntilFullyShown(pushes));
    const std::size_t fadedIn = pushes.Alphas.size();
    PointAt(CaptionMiddle());
    TacSBAnimation* fade = Buttons().Slot(csClose).Animation.get();
    ASSERT_TRUE(PumpUntil([&] { return !fade->Active(); }));
    const std::vector<int> out(pushes.Alphas.begin() + static_cast<std::ptrdiff_t>(fadedIn),
                               pushes.Alphas.end());
    const std::vector<int> expected{250, 225, 200, 175, 150, 125, 100, 75, 50, 25};
    EXPECT_EQ(out, expected);
    EXPECT_EQ(fade->OverlayWindow(), nullptr);
    EXPECT_EQ(Buttons().HotCode, 0);
}

TEST_F(TitleButtonTest, HoverAndPressRepaintOneButtonWithoutComposingTheFrame)
{
    ShowSkinnedForm();
    const TRect close = SlotRect(csClose);
    const TPoint inside{close.Left + 3, close.Top + 3};
    EXPECT_EQ(ImagePixel(inside.X, inside.Y), CloseLooks[0]);
    const int rebuilds = Frame().Rebuilds;
    PointAt(Centre(close));
    EXPECT_EQ(ImagePixel(inside.X, inside.Y), CloseLooks[1]) << "hot";
    HDC dc = GetWindowDC(Window());
    EXPECT_EQ(static_cast<TColor>(GetPixel(dc, inside.X, inside.Y)), CloseLooks[1]) << "on screen";
    ReleaseDC(Window(), dc);
    Mouse(WM_NCLBUTTONDOWN, Centre(close));
    EXPECT_EQ(ImagePixel(inside.X, inside.Y), CloseLooks[2]) << "pressed";
    PointAt(CaptionMiddle());
    EXPECT_EQ(ImagePixel(inside.X, inside.Y), CloseLooks[0]) << "moved off while pressed";
    EXPECT_EQ(Frame().Rebuilds, rebuilds);
    EXPECT_EQ(Buttons().DirectRepaints, 3);
}

TEST_F(TitleButtonTest, PointerSweepsOverButtonsAndCaptionComposeNoFrame)
{
    for (const bool fades : {false, true}) {
        SCOPED_TRACE(fades ? "with fades" : "direct repaints");
        manager->Effects.SetAllowGlowing(fades);
        const TPushLog pushes;
        if (!provider)
            ShowSkinnedForm();
        const int rebuilds = Frame().Rebuilds;
        const TPoint stops[] = {CaptionMiddle(),           Centre(SlotRect(csMinimize)),
                                Centre(SlotRect(csClose)), Centre(SlotRect(csMinimize)),
                                CaptionMiddle(),           Centre(Frame().IconRect())};
        for (const TPoint p : stops) {
            PointAt(p);
            Settle();
        }
        PumpUntil([&] {
            return !Buttons().Slot(csMinimize).Animation || !Buttons().Slot(csMinimize).Animation->Active();
        });
        EXPECT_EQ(Frame().Rebuilds, rebuilds);
    }
}

TEST_F(TitleButtonTest, OnlyAPressAndReleaseOnTheSameButtonSendsItsCommand)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    const struct {
        const char* what;
        TPoint down, up;
        std::vector<UINT> commands;
    } cases[] = {
        {"close, released on the caption", Centre(SlotRect(csClose)), CaptionMiddle(), {}},
        {"close, released on minimize", Centre(SlotRect(csClose)), Centre(SlotRect(csMinimize)), {}},
        {"minimize, released on close", Centre(SlotRect(csMinimize)), Centre(SlotRect(csClose)), {}},
        {"minimize", Centre(SlotRect(csMinimize)), Centre(SlotRect(csMinimize)), {SC_MINIMIZE}},
        {"close", Centre(SlotRect(csClose)), Centre(SlotRect(csClose)), {SC_CLOSE}},
    };
    for (const auto& c : cases) {
        log.Commands.clear();
        Click(c.down, c.up);
        EXPECT_EQ(log.Commands, c.commands) << c.what;
        EXPECT_FALSE(TitleElementPressed) << c.what;
        EXPECT_LE(Buttons().Slot(csClose).State, tsHot) << c.what << ": close is not left pressed";
        PointAt(CaptionMiddle());
    }
}

TEST_F(TitleButtonTest, DisabledCloseIsCaptionAndRefusesAPress)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    EnableMenuItem(GetSystemMenu(Window(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    const TPoint close = Centre(SlotRect(csClose));
    EXPECT_EQ(HitTest(close), HTCAPTION);
    // Even told it was pressed, the button keeps its look and sends nothing.
    SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCLOSE, ScreenOf(close));
    EXPECT_NE(Buttons().Slot(csClose).State, tsPressed);
    EXPECT_FALSE(TitleElementPressed);
    SendMessageW(Window(), WM_NCLBUTTONUP, HTCLOSE, ScreenOf(close));
    EXPECT_TRUE(log.Commands.empty());
    provider->SystemMenu().RefreshItems();
    const TMenuItem& items = provider->SystemMenu().Items();
    EXPECT_FALSE(items.Items(items.Count() - 1)->Enabled()) << "the menu's Close follows";
}

TEST_F(TitleButtonTest, PressedButtonHoldsTheMouseUntilItsReleaseAnywhere)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    const TPoint close = Centre(SlotRect(csClose));
    Mouse(WM_NCLBUTTONDOWN, close);
    EXPECT_EQ(GetCapture(), Window());
    // Released far outside the window: the form hears it in client coordinates.
    SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(-300, -300));
    EXPECT_TRUE(log.Commands.empty());
    EXPECT_NE(GetCapture(), Window());
    EXPECT_FALSE(TitleElementPressed);
    EXPECT_EQ(Buttons().Slot(csClose).State, tsNormal);

    // Released over the button it was pressed on, through the capture too.
    Mouse(WM_NCLBUTTONDOWN, close);
    POINT client{0, 0};
    ClientToScreen(Window(), &client);
    RECT r{};
    GetWindowRect(Window(), &r);
    SendMessageW(Window(), WM_LBUTTONUP, 0,
                 MAKELPARAM(r.left + close.X - client.x, r.top + close.Y - client.y));
    EXPECT_EQ(log.Commands, std::vector<UINT>{SC_CLOSE});
}

TEST_F(TitleButtonTest, MinimizedSecondaryFormRestoresThroughItsMinimizeSlot)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    ASSERT_NE(Application->MainForm(), form);
    ShowWindow(Window(), SW_MINIMIZE);
    Settle();
    ASSERT_TRUE(IsIconic(Window()));
    Frame().RepaintFrame();
    const TsLoadedSkin& skin = manager->Skin();
    EXPECT_EQ(Buttons().Slot(csMinimize).ImageIndex,
              skin.GetMaskIndex(skin.GetSkinIndex(GlobalInfoSection), GlobalInfoSection, "BICONNORM"));
    const TRect slot = SlotRect(csMinimize);
    ASSERT_FALSE(slot.IsEmpty());
    EXPECT_EQ(ImagePixel(slot.Left + 2, slot.Top + 2), RestoreColor);
    EXPECT_EQ(HitTest(Centre(slot)), HTMINBUTTON) << "although minimizing is not enabled now";
    Click(Centre(slot), Centre(slot));
    EXPECT_EQ(log.Commands, std::vector<UINT>{SC_RESTORE});
}

TEST_F(TitleButtonTest, CaptionDoubleClickWithoutMaximizeReachesNothing)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    // The platform's handling would maximize a window with this style.
    SetWindowLongW(Window(), GWL_STYLE, GetWindowLongW(Window(), GWL_STYLE) | WS_MAXIMIZEBOX);
    Mouse(WM_NCLBUTTONDBLCLK, CaptionMiddle());
    EXPECT_TRUE(log.Commands.empty());
    EXPECT_EQ(log.DoubleClicksPassedOn, 0);
    EXPECT_FALSE(IsZoomed(Window()));
}

TEST_F(TitleButtonTest, CaptionDoubleClickWithMaximizeMaximizes)
{
    form->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    TCommandLog log(*form);
    ShowSkinnedForm();
    Mouse(WM_NCLBUTTONDBLCLK, CaptionMiddle());
    EXPECT_EQ(log.Commands, std::vector<UINT>{SC_MAXIMIZE});
    EXPECT_EQ(log.DoubleClicksPassedOn, 0);
}

struct TItemLook {
    std::string Name;
    bool Enabled;
};

std::vector<TItemLook> ItemLooks(const TMenuItem& items)
{
    std::vector<TItemLook> looks;
    for (int i = 0; i < items.Count(); ++i)
        if (!items.Items(i)->Name().empty())
            looks.push_back({items.Items(i)->Name(), items.Items(i)->Enabled()});
    return looks;
}

TEST_F(TitleButtonTest, SystemMenuOfTheMainWindowsKindHasRestoreDisabledWhileNormal)
{
    ShowSkinnedForm();
    TsSystemMenu& menu = provider->SystemMenu();
    menu.RefreshItems();
    const std::vector<TItemLook> normal = ItemLooks(menu.Items());
    const std::vector<std::pair<std::string, bool>> expected{
        {"acIR", false}, {"acIM", true}, {"acIS", true}, {"acIN", true}, {"acIC", true}};
    ASSERT_EQ(normal.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(normal[i].Name, expected[i].first);
        EXPECT_EQ(normal[i].Enabled, expected[i].second) << expected[i].first;
    }
}

TEST_F(TitleButtonTest, SystemMenuOfAMaximizedFormRestoresAndDoesNotMove)
{
    form->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    ShowSkinnedForm();
    ShowWindow(Window(), SW_MAXIMIZE);
    Settle();
    TsSystemMenu& menu = provider->SystemMenu();
    menu.RefreshItems();
    const std::vector<TItemLook> maximized = ItemLooks(menu.Items());
    const auto find = [&](const std::string& name) -> std::optional<bool> {
        for (const TItemLook& look : maximized)
            if (look.Name == name)
                return look.Enabled;
        return std::nullopt;
    };
    EXPECT_EQ(find("acIR"), true) << "Restore works on a maximized form";
    EXPECT_EQ(find("acIM"), false) << "a maximized form does not move";
    EXPECT_EQ(find("acIX"), true);
}

// Runs while the system menu's loop runs: looks at the open menu window and
// closes the menu.
struct TOpenMenuProbe {
    static inline HWND MenuWindow = nullptr;
    static inline int Items = 0;
    static inline int OwnerDrawn = 0;
    static void CALLBACK Look(HWND window, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(window, id);
        MenuWindow = FindWindowW(MenuWindowClass, nullptr);
        // As the skin manager's window-creation hook does in the program.
        AdaptMenuWindow(MenuWindow);
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(MenuWindow, MN_GETHMENU, 0, 0));
        Items = menu ? GetMenuItemCount(menu) : 0;
        OwnerDrawn = 0;
        for (int i = 0; i < Items; ++i) {
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW))
                ++OwnerDrawn;
        }
        EndMenu();
    }
};

TEST_F(TitleButtonTest, AltSpaceAndARightClickOnTheCaptionOpenTheSkinnedSystemMenu)
{
    TCommandLog log(*form);
    ShowSkinnedForm();
    const struct {
        const char* how;
        std::function<void()> open;
    } ways[] = {
        {"Alt+Space", [&] { SendMessageW(Window(), WM_SYSCOMMAND, SC_KEYMENU, ' '); }},
        {"right click",
         [&] {
             Mouse(WM_NCRBUTTONDOWN, CaptionMiddle());
             Mouse(WM_NCRBUTTONUP, CaptionMiddle());
         }},
    };
    for (const auto& way : ways) {
        TOpenMenuProbe::MenuWindow = nullptr;
        SetTimer(Window(), 77, 100, TOpenMenuProbe::Look);
        way.open();
        EXPECT_NE(TOpenMenuProbe::MenuWindow, nullptr) << way.how;
        // Restore, Move, Size, Minimize, a divider, Close: all the menu painter's.
        EXPECT_EQ(TOpenMenuProbe::Items, 6) << way.how;
        EXPECT_EQ(TOpenMenuProbe::OwnerDrawn, 6) << way.how;
    }
    EXPECT_TRUE(log.Commands.empty()) << "closing the menu sends nothing";
}

TEST_F(TitleButtonTest, FadesPressesAndTheSystemMenuGiveBackEveryHandle)
{
    const TPushLog pushes;
    ASSERT_TRUE(HoverCloseUntilFullyShown(pushes));
    // Each button keeps its fade's timer once it has faded.
    PointAt(Centre(SlotRect(csMinimize)));
    PointAt(CaptionMiddle());
    for (const TCaptionSlot slot : {csClose, csMinimize}) {
        TacSBAnimation* fade = Buttons().Slot(slot).Animation.get();
        ASSERT_TRUE(PumpUntil([&] { return !fade->Active(); }));
    }
    std::vector<long> counts;
    for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind)
        counts.push_back(LiveHandleCount(static_cast<THandleKind>(kind)));
    for (int round = 0; round < 3; ++round) {
        PointAt(Centre(SlotRect(csMinimize)));
        PumpUntil([&] { return !pushes.Alphas.empty() && pushes.Alphas.back() == 255; });
        Click(Centre(SlotRect(csMinimize)), CaptionMiddle());
        SetTimer(Window(), 77, 50, TOpenMenuProbe::Look);
        SendMessageW(Window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        PointAt(CaptionMiddle());
        TacSBAnimation* minimize = Buttons().Slot(csMinimize).Animation.get();
        ASSERT_TRUE(PumpUntil([&] { return !minimize || !minimize->Active(); }));
        Settle();
    }
    for (int kind = 0; kind < static_cast<int>(THandleKind::Count); ++kind)
        EXPECT_EQ(LiveHandleCount(static_cast<THandleKind>(kind)), counts[static_cast<std::size_t>(kind)])
            << HandleKindName(static_cast<THandleKind>(kind));
}

TEST_F(TitleButtonTest, SystemMenuStyleStaysAwayWhileSkinned)
{
    ShowSkinnedForm();
    SetWindowLongW(Window(), GWL_STYLE, GetWindowLongW(Window(), GWL_STYLE) | WS_SYSMENU);
    EXPECT_EQ(GetWindowLongW(Window(), GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(HitTest(Centre(SlotRect(csClose))), HTCLOSE);
}

TEST_F(TitleButtonTest, UserTitleButtonSitsLeftOfTheCaptionButtonsAndReportsItsClicks)
{
    ShowSkinnedForm();
    TsTitleButton& button = provider->TitleButtons().Add();
    button.UseSkinData = false;
    button.Glyph = TBitmap(9, 7);
    button.Glyph.Fill(PixelFromColor(0x123456));
    // A 32-bit glyph is drawn with its own alpha.
    button.Glyph.Pixel32(8, 6) = TBGRA{0xFF, 0xFF, 0xFF, 0};
    std::vector<std::string> events;
    button.OnMouseDown = [&](TObject*, TMouseButton, unsigned, int, int) { events.push_back("down"); };
    button.OnMouseUp = [&](TObject*, TMouseButton, unsigned, int, int) { events.push_back("up"); };
    Frame().RepaintFrame();
    const TRect slot = button.Slot.Rect;
    EXPECT_EQ(slot.Right, SlotRect(csMinimize).Left - HelpGap);
    EXPECT_EQ(slot.Width(), DefaultSide) << "max(glyph + 2, default side)";
    // The glyph is centred: (21 - 9) / 2 = 6 from the left.
    EXPECT_EQ(ImagePixel(slot.Left + 6 + 4, slot.Top + (slot.Height() - 7) / 2 + 2), 0x123456);
    EXPECT_NE(ImagePixel(slot.Left + 6 + 8, slot.Top + (slot.Height() - 7) / 2 + 6), clWhite);
    EXPECT_EQ(HitTest(Centre(slot)), HitUserButton);
    Click(Centre(slot), Centre(slot));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));

    button.Enabled = false;
    EXPECT_NE(HitTest(Centre(slot)), HitUserButton);
    button.SetVisible(false);
    EXPECT_TRUE(button.Slot.Rect.IsEmpty());
    EXPECT_EQ(Frame().TitleButtonRects().size(), 2u);
}

} // namespace
} // namespace pp::test
