#include "AllocationCount.h"
#include "AppFixture.h"

namespace pp {
namespace {

using namespace std::chrono_literals;

std::uint8_t OutputByte() { return app::ProcessLineState().Lines.OutputByte(); }

TEST_F(AppFixture, WindowAsDescribed)
{
    EXPECT_EQ(form->Caption(), "LPT Pindrel_Port 888");
    EXPECT_EQ(form->ClientWidth(), 393);
    EXPECT_EQ(form->ClientHeight(), 192);
    EXPECT_EQ(form->BorderIcons(), unsigned(biSystemMenu | biMinimize));
    EXPECT_EQ(form->Menu(), form->MainMenu1);
    EXPECT_FALSE(form->Icon().Empty());

    EXPECT_EQ(form->Label1->Caption().size(), 80u);
    EXPECT_EQ(form->Label1->Font().Color(), clRed);
    EXPECT_EQ(form->Label1->Font().Style(), unsigned(fsBold));

    EXPECT_EQ(form->Button1->Hint, "Второй контакт");
    EXPECT_TRUE(form->Button1->ShowHint());
    EXPECT_FALSE(form->Button2->ShowHint());

    EXPECT_EQ(form->sBitBtn1->Caption(), "&All");
    EXPECT_EQ(form->sBitBtn1->ModalResult, mrAll);
    EXPECT_EQ(form->sBitBtn2->Caption(), "Abort");
    EXPECT_EQ(form->sBitBtn2->ModalResult, mrAbort);
    EXPECT_EQ(form->sBitBtn1->BoundsRect(), TRect::FromBounds(200, 144, 75, 25));
    EXPECT_EQ(form->sBitBtn1->TabOrder, 27);
    EXPECT_EQ(form->sBitBtn2->BoundsRect(), TRect::FromBounds(280, 144, 75, 25));
    EXPECT_EQ(form->sBitBtn2->TabOrder, 28);
    EXPECT_EQ(form->sGauge1->BoundsRect(), TRect::FromBounds(360, 144, 25, 25));
    EXPECT_EQ(form->sGauge1->Progress(), 0);

    EXPECT_EQ(form->StatusBar1->Panels().Count(), 2);
    EXPECT_EQ(form->StatusBar1->Panels()[0].Text(), "Порт 888") << "no tick has run yet";
    EXPECT_EQ(form->StatusBar1->Panels()[1].Text(), "LPT_V");

    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_EQ(form->Timer1->Interval(), 10u);
    EXPECT_FALSE(form->Timer2->Enabled());
    EXPECT_EQ(form->Timer2->Interval(), 500u);
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_EQ(form->Timer3->Interval(), 100u);

    EXPECT_EQ(form->N1->Caption(), "Параметры");
    EXPECT_EQ(form->N3->ParentItem(), form->N2);
    EXPECT_EQ(form->N5->ParentItem(), form->N4);
    EXPECT_EQ(form->N4->Caption(), "Бегущий огонь");
}

// The window rectangle of a control, in its parent's client coordinates.
TRect PlaceOnParent(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return TRect{r.left, r.top, r.right, r.bottom};
}

TEST_F(AppFixture, AllButtonsStandWhereTheDescriptionPutsThem)
{
    // One column per line D0 ... D7; the set row at top 32, the clear row at
    // 64, the Read row at 104; line buttons 41 x 25.
    const int columns[8] = {8, 56, 104, 152, 200, 248, 296, 344};
    struct Place {
        int Number;
        TRect Bounds;
        std::string Caption;
    };
    std::vector<Place> places;
    for (int line = 0; line < 8; ++line) {
        const std::string name = "D" + std::to_string(line);
        places.push_back({2 * line + 1, TRect::FromBounds(columns[line], 32, 41, 25), name + "(1)"});
        places.push_back({2 * line + 2, TRect::FromBounds(columns[line], 64, 41, 25), name + "(0)"});
        places.push_back({17 + line, TRect::FromBounds(columns[line], 104, 41, 25), "Read"});
    }
    places.push_back({25, TRect::FromBounds(8, 144, 75, 25), "Мигалка"});
    places.push_back({26, TRect::FromBounds(88, 144, 105, 25), "Бегущий огонь"});
    ASSERT_EQ(places.size(), 26u);
    for (const Place& place : places) {
        TButton* button = ButtonNumber(place.Number);
        ASSERT_NE(button, nullptr) << "Button" << place.Number;
        EXPECT_EQ(button->BoundsRect(), place.Bounds) << button->Name();
        EXPECT_EQ(PlaceOnParent(button->Handle()), place.Bounds) << button->Name() << " on the screen";
        EXPECT_EQ(button->Caption(), place.Caption) << button->Name();
        EXPECT_EQ(button->TabOrder, place.Number) << button->Name();
    }
}

TEST_F(AppFixture, ComponentsInDescribedOrder)
{
    std::vector<std::string> names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (!dynamic_cast<TMenuItem*>(form->Components(i)))
            names.push_back(form->Components(i)->Name());
    std::vector<std::string> expected = {"Label1", "sGauge1", "StatusBar1"};
    for (int number = 1; number <= 26; ++number)
        expected.push_back("Button" + std::to_string(number));
    for (const char* name : {"sBitBtn1", "sBitBtn2", "Timer1", "Timer2", "Timer3", "MainMenu1",
                             "sSkinManager1", "sHintManager1"})
        expected.push_back(name);
    EXPECT_EQ(names, expected);
}

TEST_F(AppFixture, LineButtonsChangeOnlyTheSlots)
{
    struct Step {
        TButton* button;
        int byte;
    };
    const Step steps[] = {
        {form->Button11, 32},  {form->Button11, 32},  {form->Button12, 0},  {form->Button1, 1},
        {form->Button15, 129}, {form->sBitBtn1, 255}, {form->Button2, 254}, {form->sBitBtn2, 0},
    };
    for (const Step& s : steps) {
        Click(s.button);
        EXPECT_EQ(OutputByte(), s.byte) << s.button->Name();
    }
    EXPECT_TRUE(TakeTrace().empty()) << "line commands never write the port themselves";
    EXPECT_TRUE(form->Visible()) << "the bitmap buttons' modal results do not close the window";
}

TEST_F(AppFixture, EveryLineButtonSetsOrClearsItsOwnLine)
{
    enum class Start { AllLow, AllHigh };
    struct Case {
        int Number;
        Start From;
        int Byte;
    };
    // Button(2k+1) sets Dk (weight 2^k), Button(2k+2) clears it; each is
    // clicked with the other lines in the opposite state.
    const Case cases[] = {
        {1, Start::AllLow, 1},     {2, Start::AllHigh, 254},  {3, Start::AllLow, 2},
        {4, Start::AllHigh, 253},  {5, Start::AllLow, 4},     {6, Start::AllHigh, 251},
        {7, Start::AllLow, 8},     {8, Start::AllHigh, 247},  {9, Start::AllLow, 16},
        {10, Start::AllHigh, 239}, {11, Start::AllLow, 32},   {12, Start::AllHigh, 223},
        {13, Start::AllLow, 64},   {14, Start::AllHigh, 191}, {15, Start::AllLow, 128},
        {16, Start::AllHigh, 127},
    };
    for (const Case& c : cases) {
        Click(c.From == Start::AllHigh ? form->sBitBtn1 : form->sBitBtn2);
        Click(ButtonNumber(c.Number));
        EXPECT_TRUE(TakeTrace().empty()) << "Button" << c.Number << " wrote the port itself";
        form->Timer1Timer(nullptr);
        EXPECT_EQ(TakeTrace(), (Trace{"W" + std::to_string(c.Byte), "R"})) << "Button" << c.Number;
    }
}

TEST_F(AppFixture, EveryReadButtonShowsItsOwnLinesSlot)
{
    // With all lines high every line's slot is a different weight.
    Click(form->sBitBtn1);
    const char* const shown[8] = {"1", "2", "4", "8", "16", "32", "64", "128"};
    for (int line = 0; line < 8; ++line) {
        std::string message;
        WithModal<TMessageForm>([&] { Click(ButtonNumber(17 + line)); },
                                [&](TMessageForm& box) {
                                    message = box.Message->Caption();
                                    Click(box.OkButton);
                                });
        EXPECT_EQ(message, shown[line]) << "Button" << 17 + line;
        EXPECT_EQ(form->StatusBar1->Panels()[1].Text(), shown[line]) << "Button" << 17 + line;
    }
}

TEST_F(AppFixture, RefreshTickWritesReadsAndShows)
{
    form->Timer1Timer(nullptr);
    EXPECT_EQ(TakeTrace(), (Trace{"W0", "R"}));
    EXPECT_EQ(form->StatusBar1->Panels()[0].Text(), "Порт 888:0");

    Click(form->Button7);
    Click(form->Button15);
    form->Timer1Timer(nullptr);
    EXPECT_EQ(TakeTrace(), (Trace{"W136", "R"}));
    EXPECT_EQ(form->StatusBar1->Panels()[0].Text(), "Порт 888:136");
    EXPECT_EQ(form->sGauge1->Progress(), 100);
    EXPECT_EQ(test::WindowText(form->StatusBar1->Handle()), L"Порт 888:136")
        << "the status bar answers WM_GETTEXT with panel 0";
}

TEST_F(AppFixture, SteadyRefreshTickAllocatesAndPaintsNothing)
{
    // 136: its status text is too long to live inside a string object.
    Click(form->Button7);
    Click(form->Button15);
    int paints = 0;
    form->sGauge1->OnPaintText = [&](TObject*, std::string&) { ++paints; };
    // The gauge's running light repaints on a timer of its own.
    form->sGauge1->LightTimer().SetEnabled(false);
    form->Timer1Timer(nullptr);
    // A skinned bar builds its text twice, once in each colour set.
    EXPECT_EQ(paints, form->sGauge1->SkinData.IsSkinned() ? 2 : 1) << "the change itself is shown";
    Application->ProcessMessages();
    paints = 0;
    TakeTrace();
    const long before = test::AllocationCount;
    for (int tick = 0; tick < 100; ++tick)
        form->Timer1Timer(nullptr);
    const long allocations = test::AllocationCount - before;
    EXPECT_EQ(TakeTrace().size(), 200u) << "one write and one read a tick";
    Application->ProcessMessages();
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(paints, 0);
}

TEST_F(AppFixture, ReadShowsTheCommandedSlot)
{
    struct Case {
        TButton* setFirst;
        TButton* read;
        const char* shown;
    };
    const Case cases[] = {{form->Button7, form->Button20, "8"}, {nullptr, form->Button24, "0"}};
    for (const Case& c : cases) {
        if (c.setFirst)
            Click(c.setFirst);
        std::string message;
        WithModal<TMessageForm>([&] { Click(c.read); },
                                [&](TMessageForm& box) {
                                    message = box.Message->Caption();
                                    EXPECT_EQ(box.Caption(), Application->Title());
                                    Click(box.OkButton);
                                });
        EXPECT_EQ(message, c.shown);
        EXPECT_EQ(form->StatusBar1->Panels()[1].Text(), c.shown);
    }
    form->Timer1Timer(nullptr);
    EXPECT_EQ(form->StatusBar1->Panels()[0].Text(), "Порт 888:8");
}

TEST_F(AppFixture, IdleTicksWriteZeroThenReadBack)
{
    test::PumpMessagesFor(150ms);
    const Trace trace = TakeTrace();
    ASSERT_GE(trace.size(), 4u);
    for (std::size_t i = 0; i < trace.size(); ++i)
        EXPECT_EQ(trace[i], i % 2 == 0 ? "W0" : "R") << i;
}

TEST_F(AppFixture, RunningLightWritesOnlyItsSequence)
{
    Click(form->Button3);
    Click(form->Button26);
    EXPECT_EQ(TakeTrace(), Trace{"W0"});
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_TRUE(form->Timer3->Enabled());

    test::PumpMessagesFor(1000ms);
    const Trace trace = TakeTrace();
    const Trace cycle = {"W1", "W2", "W4", "W8", "W16", "W32", "W64", "W128"};
    ASSERT_GE(trace.size(), 3u);
    for (std::size_t i = 0; i < trace.size(); ++i)
        EXPECT_EQ(trace[i], cycle[i % cycle.size()])
            << "entry " << i << ": no refresh writes or reads between";

    Click(form->Button26);
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_FALSE(form->Timer3->Enabled());
}

TEST_F(AppFixture, PatternButtonsSwitchTimers)
{
    Click(form->Button25);
    EXPECT_TRUE(form->Timer2->Enabled());
    Click(form->Button26);
    EXPECT_FALSE(form->Timer2->Enabled()) << "the running light stops the flasher";
    Click(form->Button26);
    EXPECT_FALSE(form->Timer2->Enabled()) << "and does not restart it";
    EXPECT_TRUE(form->Timer1->Enabled());
}

// A flasher step writes the port and reads nothing back; a refresh tick
// writes and then reads.
bool IsFlasherWrite(const std::vector<TTimedPortAccess>& trace, std::size_t i)
{
    return trace[i].Entry[0] == 'W' && (i + 1 == trace.size() || trace[i + 1].Entry != "R");
}

TEST_F(AppFixture, FlasherTimerSwitchesAllLinesAtItsInterval)
{
    Click(form->Button25);
    std::vector<TTimedPortAccess> trace;
    std::vector<std::size_t> steps;
    test::PumpMessagesUntil(
        [&] {
            for (TTimedPortAccess& access : TakeTimedTrace())
                trace.push_back(std::move(access));
            steps.clear();
            for (std::size_t i = 0; i < trace.size(); ++i)
                if (IsFlasherWrite(trace, i))
                    steps.push_back(i);
            return steps.size() >= 3;
        },
        5s);
    ASSERT_GE(steps.size(), 3u);
    // D0 was low: all lines up first, then down, then up.
    const char* const bytes[3] = {"W255", "W0", "W255"};
    for (std::size_t n = 0; n < 3; ++n)
        EXPECT_EQ(trace[steps[n]].Entry, bytes[n]) << "flasher step " << n;
    for (std::size_t n = 1; n < 3; ++n) {
        const long long gap = trace[steps[n]].Micros - trace[steps[n - 1]].Micros;
        EXPECT_GE(gap, 450'000) << "flasher step " << n << " came too soon after the one before";
        EXPECT_LT(gap, 1'000'000) << "flasher step " << n << " came too late after the one before";
    }
    // The refresh tick keeps writing the lines as the flasher left them.
    std::string lastStep = "W0";
    for (std::size_t i = 0; i <= steps[2]; ++i) {
        if (IsFlasherWrite(trace, i)) {
            lastStep = trace[i].Entry;
        } else if (trace[i].Entry[0] == 'W') {
            EXPECT_EQ(trace[i].Entry, lastStep) << "refresh write " << i;
        }
    }
}

TEST_F(AppFixture, ZeroIntervalFreezesTheRunningLightWithoutStoppingIt)
{
    Click(form->Button26);
    ASSERT_TRUE(test::PumpMessagesUntil([] { return OutputByte() != 0; }))
        << "the running light never lit a line";
    EnterInterval(form->N5, "0");
    EXPECT_EQ(form->Timer3->Interval(), 0u);
    EXPECT_TRUE(form->Timer3->Enabled());
    const std::uint8_t frozen = OutputByte();
    TakeTrace();
    test::PumpMessagesFor(400ms);
    EXPECT_TRUE(TakeTrace().empty()) << "neither a step nor a refresh tick ran";
    EXPECT_EQ(OutputByte(), frozen);

    // A new interval makes it step again.
    EnterInterval(form->N5, "100");
    EXPECT_EQ(form->Timer3->Interval(), 100u);
    TakeTrace();
    EXPECT_TRUE(test::PumpMessagesUntil([&] { return !TakeTrace().empty(); }, 2s))
        << "no step after a new interval";

    // Silent again, the button still stops it, and the refresh tick takes
    // over the line it left lit.
    EnterInterval(form->N5, "0");
    Click(form->Button26);
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_TRUE(form->Timer1->Enabled());
    const std::string left = "W" + std::to_string(OutputByte());
    TakeTrace();
    Trace refresh;
    ASSERT_TRUE(test::PumpMessagesUntil([&] {
        for (std::string& entry : TakeTrace())
            refresh.push_back(std::move(entry));
        return refresh.size() >= 2;
    }));
    EXPECT_EQ(refresh[0], left);
    EXPECT_EQ(refresh[1], "R");
}

TEST_F(AppFixture, ZeroIntervalKeepsTheFlasherSilentWhileItsButtonToggles)
{
    EnterInterval(form->N3, "0");
    EXPECT_EQ(form->Timer2->Interval(), 0u);
    Click(form->Button25);
    EXPECT_TRUE(form->Timer2->Enabled());
    TakeTrace();
    test::PumpMessagesFor(700ms);
    const Trace trace = TakeTrace();
    ASSERT_GE(trace.size(), 4u) << "the refresh tick runs on";
    for (std::size_t i = 0; i < trace.size(); ++i)
        EXPECT_EQ(trace[i], i % 2 == 0 ? "W0" : "R")
            << "entry " << i << ": only refresh ticks, no flasher step";
    Click(form->Button25);
    EXPECT_FALSE(form->Timer2->Enabled());
}

TEST_F(AppFixture, WritesContinueWhileDialogsAreOpen)
{
    WithModal<TMessageForm>([&] { Click(form->Button17); }, [&](TMessageForm& box) { Click(box.OkButton); },
                            300ms);
    EXPECT_GE(TakeTrace().size(), 6u) << "the Read message";
    WithModal<TInputForm>([&] { MenuCommand(form->N3); }, [&](TInputForm& box) { Click(box.CancelButton); },
                          300ms);
    EXPECT_GE(TakeTrace().size(), 6u) << "the input box";
}

TEST_F(AppFixture, IntervalMenu)
{
    enum class Answer { Ok, Cancel };
    struct Case {
        const char* typed;
        Answer answer;
        std::uint32_t interval;
        const char* error;
    };
    const Case cases[] = {
        {"999", Answer::Cancel, 200, nullptr},
        {"$1F4", Answer::Ok, 500, nullptr},
        {" 250", Answer::Ok, 250, nullptr},
        {"", Answer::Ok, 200, nullptr},
        {"0", Answer::Ok, 0, nullptr},
        {"250 ", Answer::Ok, 200, "'250 ' is not a valid integer value"},
        {"-1", Answer::Ok, 200, "'-1': интервал должен быть 0 мс или больше"},
    };
    for (const Case& c : cases) {
        form->Timer2->SetInterval(200);
        errors.clear();
        WithModal<TInputForm>([&] { MenuCommand(form->N3); },
                              [&](TInputForm& box) {
                                  EXPECT_EQ(box.Caption(), "Мигалка");
                                  EXPECT_EQ(box.PromptLabel->Caption(), "Интервал, мс");
                                  EXPECT_EQ(box.Edit->Text(), "500");
                                  box.Edit->SetText(c.typed);
                                  Click(c.answer == Answer::Ok ? box.OkButton : box.CancelButton);
                              });
        EXPECT_EQ(form->Timer2->Interval(), c.interval) << '"' << c.typed << '"';
        if (c.error) {
            ASSERT_EQ(errors.size(), 1u) << c.typed;
            EXPECT_EQ(errors[0], c.error);
        } else {
            EXPECT_TRUE(errors.empty()) << c.typed;
        }
    }
}

TEST_F(AppFixture, RunningLightIntervalBox)
{
    std::string caption, defaultText;
    WithModal<TInputForm>([&] { MenuCommand(form->N5); },
                          [&](TInputForm& box) {
                              caption = box.Caption();
                              defaultText = box.Edit->Text();
                              box.Edit->SetText("x40");
                              Click(box.OkButton);
                          });
    EXPECT_EQ(caption, "Бегущий огонь");
    EXPECT_EQ(defaultText, "100");
    EXPECT_EQ(form->Timer3->Interval(), 64u);
    EXPECT_EQ(form->Timer2->Interval(), 500u);
}

} // namespace
} // namespace pp
