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

    struct ButtonCase {
        TButton* button;
        TRect bounds;
        const char* caption;
        int tabOrder;
    };
    const ButtonCase buttons[] = {
        {form->Button1, TRect::FromBounds(8, 32, 41, 25), "D0(1)", 1},
        {form->Button2, TRect::FromBounds(8, 64, 41, 25), "D0(0)", 2},
        {form->Button7, TRect::FromBounds(152, 32, 41, 25), "D3(1)", 7},
        {form->Button16, TRect::FromBounds(344, 64, 41, 25), "D7(0)", 16},
        {form->Button17, TRect::FromBounds(8, 104, 41, 25), "Read", 17},
        {form->Button24, TRect::FromBounds(344, 104, 41, 25), "Read", 24},
        {form->Button25, TRect::FromBounds(8, 144, 75, 25), "Мигалка", 25},
        {form->Button26, TRect::FromBounds(88, 144, 105, 25), "Бегущий огонь", 26},
    };
    for (const ButtonCase& c : buttons) {
        EXPECT_EQ(c.button->BoundsRect(), c.bounds) << c.caption;
        EXPECT_EQ(c.button->Caption(), c.caption);
        EXPECT_EQ(c.button->TabOrder, c.tabOrder) << c.caption;
    }
    EXPECT_EQ(form->Button1->Hint, "Второй контакт");
    EXPECT_TRUE(form->Button1->ShowHint());
    EXPECT_FALSE(form->Button2->ShowHint());

    EXPECT_EQ(form->sBitBtn1->Caption(), "&All");
    EXPECT_EQ(form->sBitBtn1->ModalResult, mrAll);
    EXPECT_EQ(form->sBitBtn2->Caption(), "Abort");
    EXPECT_EQ(form->sBitBtn2->ModalResult, mrAbort);
    EXPECT_EQ(form->sBitBtn2->BoundsRect(), TRect::FromBounds(280, 144, 75, 25));
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

TEST_F(AppFixture, ComponentsInDescribedOrder)
{
    std::vector<std::string> names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (!dynamic_cast<TMenuItem*>(form->Components(i)))
            names.push_back(form->Components(i)->Name());
    std::vector<std::string> expected = {"Label1", "sGauge1", "StatusBar1"};
    for (int number = 1; number <= 26; ++number)
        expected.push_back("Button" + std::to_string(number));
    for (const char* name : {"sBitBtn1", "sBitBtn2", "Timer1", "Timer2", "Timer3", "MainMenu1", "sSkinManager1",
                             "sHintManager1"})
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
        {form->Button11, 32}, {form->Button11, 32}, {form->Button12, 0},  {form->Button1, 1},
        {form->Button15, 129}, {form->sBitBtn1, 255}, {form->Button2, 254}, {form->sBitBtn2, 0},
    };
    for (const Step& s : steps) {
        Click(s.button);
        EXPECT_EQ(OutputByte(), s.byte) << s.button->Name();
    }
    EXPECT_TRUE(TakeTrace().empty()) << "line commands never write the port themselves";
    EXPECT_TRUE(form->Visible()) << "the bitmap buttons' modal results do not close the window";
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
    form->Timer1Timer(nullptr);
    EXPECT_EQ(paints, 1) << "the change itself is shown";
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
        EXPECT_EQ(trace[i], cycle[i % cycle.size()]) << "entry " << i << ": no refresh writes or reads between";

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

TEST_F(AppFixture, WritesContinueWhileDialogsAreOpen)
{
    WithModal<TMessageForm>([&] { Click(form->Button17); }, [&](TMessageForm& box) { Click(box.OkButton); },
                            300ms);
    EXPECT_GE(TakeTrace().size(), 6u) << "the Read message";
    WithModal<TInputForm>([&] { MenuCommand(form->N3); }, [&](TInputForm& box) { Click(box.CancelButton); }, 300ms);
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
