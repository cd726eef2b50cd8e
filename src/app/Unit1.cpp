#include "app/Unit1.h"

#include "app/logic/ConnectorIcon.h"
#include "app/logic/IntegerText.h"
#include "app/logic/LineImage.h"
#include "port/PortIoWin32.h"
#include "skin/loading/DefaultSkinPackage.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FormBuilder.h"

#include <array>
#include <string>

namespace pp {

TForm1* Form1 = nullptr;

namespace {

using TClick = void (TForm1::*)(TObject*);

constexpr int FormClientWidth = 393;
constexpr int FormClientHeight = 192;
constexpr int ButtonHeight = 25;
constexpr int LineButtonWidth = 41;
constexpr int SetRowTop = 32;
constexpr int ClearRowTop = 64;
constexpr int ReadRowTop = 104;
constexpr int PatternRowTop = 144;

// Column of line Dk's buttons.
constexpr int ColumnLeft(int line) { return 8 + 48 * line; }

constexpr std::array<TButton * TForm1::*, 26> ButtonFields{
    &TForm1::Button1,  &TForm1::Button2,  &TForm1::Button3,  &TForm1::Button4,  &TForm1::Button5,
    &TForm1::Button6,  &TForm1::Button7,  &TForm1::Button8,  &TForm1::Button9,  &TForm1::Button10,
    &TForm1::Button11, &TForm1::Button12, &TForm1::Button13, &TForm1::Button14, &TForm1::Button15,
    &TForm1::Button16, &TForm1::Button17, &TForm1::Button18, &TForm1::Button19, &TForm1::Button20,
    &TForm1::Button21, &TForm1::Button22, &TForm1::Button23, &TForm1::Button24, &TForm1::Button25,
    &TForm1::Button26,
};

constexpr std::array<TClick, 26> ButtonClicks{
    &TForm1::Button1Click,  &TForm1::Button2Click,  &TForm1::Button3Click,  &TForm1::Button4Click,
    &TForm1::Button5Click,  &TForm1::Button6Click,  &TForm1::Button7Click,  &TForm1::Button8Click,
    &TForm1::Button9Click,  &TForm1::Button10Click, &TForm1::Button11Click, &TForm1::Button12Click,
    &TForm1::Button13Click, &TForm1::Button14Click, &TForm1::Button15Click, &TForm1::Button16Click,
    &TForm1::Button17Click, &TForm1::Button18Click, &TForm1::Button19Click, &TForm1::Button20Click,
    &TForm1::Button21Click, &TForm1::Button22Click, &TForm1::Button23Click, &TForm1::Button24Click,
    &TForm1::Button25Click, &TForm1::Button26Click,
};

TNotifyEvent Bind(TForm1& form, TClick click)
{
    return [&form, click](TObject* sender) { (form.*click)(sender); };
}

struct TButtonPlace {
    TRect Bounds;
    std::string Caption;
};

// Button(2k+1) sets Dk, Button(2k+2) clears it, Button(17+k) reads it.
TButtonPlace PlaceOfButton(int number)
{
    const std::string line = std::to_string(number <= 16 ? (number - 1) / 2 : number - 17);
    if (number <= 16) {
        const bool sets = number % 2 == 1;
        const int left = ColumnLeft((number - 1) / 2);
        return {TRect::FromBounds(left, sets ? SetRowTop : ClearRowTop, LineButtonWidth, ButtonHeight),
                "D" + line + (sets ? "(1)" : "(0)")};
    }
    if (number <= 24)
        return {TRect::FromBounds(ColumnLeft(number - 17), ReadRowTop, LineButtonWidth, ButtonHeight),
                "Read"};
    if (number == 25)
        return {TRect::FromBounds(8, PatternRowTop, 75, ButtonHeight), "Мигалка"};
    return {TRect::FromBounds(88, PatternRowTop, 105, ButtonHeight), "Бегущий огонь"};
}

TComponentDescription DescribeButton(int number)
{
    const std::size_t index = static_cast<std::size_t>(number - 1);
    const TClick click = ButtonClicks[index];
    return Describe(
        ButtonFields[index], "Button" + std::to_string(number), [number, click](TButton& c, TForm1& f) {
            const TButtonPlace place = PlaceOfButton(number);
            c.SetBounds(place.Bounds.Left, place.Bounds.Top, place.Bounds.Width(), place.Bounds.Height());
            if (number == 1) {
                c.Hint = "Второй контакт";
                c.SetParentShowHint(false);
                c.SetShowHint(true);
            }
            c.TabOrder = number;
            c.SetCaption(place.Caption);
            c.OnClick = Bind(f, click);
        });
}

TComponentDescription DescribeBitBtn(TsBitBtn* TForm1::*field, const char* name, int left, TBitBtnKind kind,
                                     int tabOrder, TClick click)
{
    return Describe(field, name, [=](TsBitBtn& c, TForm1& f) {
        c.SetBounds(left, PatternRowTop, 75, ButtonHeight);
        c.SetKind(kind);
        c.SkinData.SetSkinSection("BUTTON");
        c.TabOrder = tabOrder;
        c.OnClick = Bind(f, click);
    });
}

TComponentDescription DescribeTimer(TTimer* TForm1::*field, const char* name, std::uint32_t interval,
                                    bool enabled, TClick tick)
{
    return Describe(field, name, [=](TTimer& c, TForm1& f) {
        // The port's timers keep their pace through a skin change.
        c.SetPunctual(true);
        c.SetInterval(interval);
        c.SetEnabled(enabled);
        c.SetOnTimer(Bind(f, tick));
    });
}

TComponentDescription DescribeMenuItem(TMenuItem* TForm1::*field, const char* name, const char* caption,
                                       TClick click = nullptr,
                                       std::vector<TComponentDescription> children = {})
{
    return Describe(
        field, name,
        [=](TMenuItem& c, TForm1& f) {
            c.SetCaption(caption);
            if (click)
                c.OnClick = Bind(f, click);
        },
        std::move(children));
}

std::vector<TComponentDescription> FormComponents()
{
    std::vector<TComponentDescription> list;
    list.push_back(Describe(&TForm1::Label1, "Label1", [](TLabel& c, TForm1&) {
        c.SetBounds(16, 8, 345, 13);
        c.SetCaption(app::PinLabelCaption());
        c.SetParentFont(false);
        c.Font().SetName("MS Sans Serif");
        c.Font().SetHeight(-11);
        c.Font().SetColor(clRed);
        c.Font().SetStyle(fsBold);
    }));
    list.push_back(Describe(&TForm1::sGauge1, "sGauge1", [](TsGauge& c, TForm1&) {
        c.SetBounds(360, 144, 25, 25);
        c.SkinData.SetSkinSection("GAUGE");
        c.SetForeColor(clBlack);
        c.SetProgress(0);
        c.SetSuffix("%");
    }));
    list.push_back(Describe(&TForm1::StatusBar1, "StatusBar1", [](TStatusBar& c, TForm1&) {
        c.SetBounds(0, 175, 393, 17);
        c.SetAlign(TAlign::alBottom);
        TStatusPanel& port = c.Panels().Add();
        port.SetText("Порт 888");
        port.SetWidth(80);
        TStatusPanel& value = c.Panels().Add();
        value.SetText("LPT_V");
        value.SetWidth(50);
    }));
    for (int number = 1; number <= 26; ++number)
        list.push_back(DescribeButton(number));
    list.push_back(
        DescribeBitBtn(&TForm1::sBitBtn1, "sBitBtn1", 200, TBitBtnKind::bkAll, 27, &TForm1::sBitBtn1Click));
    list.push_back(
        DescribeBitBtn(&TForm1::sBitBtn2, "sBitBtn2", 280, TBitBtnKind::bkAbort, 28, &TForm1::sBitBtn2Click));
    list.push_back(
        DescribeTimer(&TForm1::Timer1, "Timer1", app::RefreshInterval, true, &TForm1::Timer1Timer));
    list.push_back(
        DescribeTimer(&TForm1::Timer2, "Timer2", app::FlasherInterval, false, &TForm1::Timer2Timer));
    list.push_back(
        DescribeTimer(&TForm1::Timer3, "Timer3", app::RunningLightInterval, false, &TForm1::Timer3Timer));
    list.push_back(Describe(
        &TForm1::MainMenu1, "MainMenu1", nullptr,
        {DescribeMenuItem(
            &TForm1::N1, "N1", "Параметры", nullptr,
            {DescribeMenuItem(&TForm1::N2, "N2", "Мигалка", nullptr,
                              {DescribeMenuItem(&TForm1::N3, "N3", "Интервал", &TForm1::N3Click)}),
             DescribeMenuItem(&TForm1::N4, "N4", "Бегущий огонь", nullptr,
                              {DescribeMenuItem(&TForm1::N5, "N5", "Интервал", &TForm1::N5Click)})})}));
    list.push_back(Describe(&TForm1::sSkinManager1, "sSkinManager1", [](TsSkinManager& c, TForm1&) {
        // The program carries its own skin, so that it is skinned even where
        // no skin directory exists; a "Beijing" there still comes first.
        TsStoredSkin& stored = c.InternalSkins.Add();
        stored.Name = DefaultSkinName;
        stored.Version = 8.2;
        stored.Author = "Pindrel_Port";
        stored.SetData(DefaultSkinPackage());
        c.SetSkinDirectory("c:\\Skins");
        c.SetSkinName("Beijing");
        for (int list = 0; list < ThirdPartyListCount; ++list)
            c.ThirdParty.SetText(list, list == ThirdButtons ? "TButton" : " ");
    }));
    list.push_back(Describe(&TForm1::sHintManager1, "sHintManager1", [](TsHintManager& c, TForm1&) {
        c.HintKind().SetStyle(THintStyle::hsComics);
        c.HintKind().ShadowEnabled = true;
        c.Predefinitions = THintPredefinitions::shComicsGradient;
        c.SetSkinSection("HINT");
        c.SetUseSkinData(false);
    }));
    return list;
}

void AssignForm(TForm1& form)
{
    form.SetLeft(418);
    form.SetTop(548);
    form.SetBorderIcons(biSystemMenu | biMinimize);
    form.SetCaption("LPT Pindrel_Port 888");
    form.SetClientSize(FormClientWidth, FormClientHeight);
    form.SetColor(clBtnFace);
    form.Font().SetName("MS Sans Serif");
    form.Font().SetHeight(-11);
    form.Font().SetColor(clWindowText);
    form.Font().SetStyle(0);
    form.Icon().LoadFromIconFile(app::ConnectorIconFile(), app::ConnectorIconSize);
    form.Position = TPosition::poScreenCenter;
    form.PixelsPerInch = 96;
    form.TextHeight = 13;
}

// References to components are settled once they all exist: the menu bar
// built before its items were read would stay empty.
void ResolveReferences(TForm1& form)
{
    form.SetMenu(form.MainMenu1);
    // The stored client size was measured with the menu bar in place.
    form.SetClientSize(FormClientWidth, FormClientHeight);
    // The label's width was stored for the designer's font; let it fit the
    // pin numbers in the font actually used, so pin 9 is never cut off.
    form.Label1->SetAutoSize(false);
    form.Label1->SetAutoSize(true);
}

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    LoadFormDescription<TForm1>(*this, {AssignForm, FormComponents()});
    ResolveReferences(*this);
    refreshSwitch_ = std::make_unique<app::TTimerComponentSwitch>(*Timer1);
    flasherSwitch_ = std::make_unique<app::TTimerComponentSwitch>(*Timer2);
    runningLightSwitch_ = std::make_unique<app::TTimerComponentSwitch>(*Timer3);
    patterns_ = std::make_unique<app::TPortPatterns>(
        app::ProcessLineState(), port::ProcessPort(),
        app::TPatternTimers{*refreshSwitch_, *flasherSwitch_, *runningLightSwitch_});
}

TForm1::~TForm1()
{
    // The timers go with the components; nothing may tick into a half-freed form.
    DestroyComponents();
}

void TForm1::SetLine(int line) { app::ProcessLineState().Lines.SetLine(line); }
void TForm1::ClearLine(int line) { app::ProcessLineState().Lines.ClearLine(line); }

void TForm1::ReadLine(int line)
{
    // The commanded state of the line, not a value read from the port.
    const std::string text = std::to_string(app::ProcessLineState().Lines.Slot(line));
    StatusBar1->Panels()[1].SetText(text);
    ShowMessage(text);
}

void TForm1::Button1Click(TObject*) { SetLine(0); }
void TForm1::Button3Click(TObject*) { SetLine(1); }
void TForm1::Button5Click(TObject*) { SetLine(2); }
void TForm1::Button7Click(TObject*) { SetLine(3); }
void TForm1::Button9Click(TObject*) { SetLine(4); }
void TForm1::Button11Click(TObject*) { SetLine(5); }
void TForm1::Button13Click(TObject*) { SetLine(6); }
void TForm1::Button15Click(TObject*) { SetLine(7); }
void TForm1::Button2Click(TObject*) { ClearLine(0); }
void TForm1::Button4Click(TObject*) { ClearLine(1); }
void TForm1::Button6Click(TObject*) { ClearLine(2); }
void TForm1::Button8Click(TObject*) { ClearLine(3); }
void TForm1::Button10Click(TObject*) { ClearLine(4); }
void TForm1::Button12Click(TObject*) { ClearLine(5); }
void TForm1::Button14Click(TObject*) { ClearLine(6); }
void TForm1::Button16Click(TObject*) { ClearLine(7); }
void TForm1::Button17Click(TObject*) { ReadLine(0); }
void TForm1::Button18Click(TObject*) { ReadLine(1); }
void TForm1::Button19Click(TObject*) { ReadLine(2); }
void TForm1::Button20Click(TObject*) { ReadLine(3); }
void TForm1::Button21Click(TObject*) { ReadLine(4); }
void TForm1::Button22Click(TObject*) { ReadLine(5); }
void TForm1::Button23Click(TObject*) { ReadLine(6); }
void TForm1::Button24Click(TObject*) { ReadLine(7); }
void TForm1::Button25Click(TObject*) { patterns_->ToggleFlasher(); }
void TForm1::Button26Click(TObject*) { patterns_->ToggleRunningLight(); }
void TForm1::sBitBtn1Click(TObject*) { app::ProcessLineState().Lines.SetAllLines(); }
void TForm1::sBitBtn2Click(TObject*) { app::ProcessLineState().Lines.ClearAllLines(); }

void TForm1::Timer1Timer(TObject*)
{
    const int readBack = patterns_->RefreshTick();
    if (shownReadBack_ != readBack) {
        shownReadBack_ = readBack;
        StatusBar1->Panels()[0].SetText("Порт 888:" + std::to_string(readBack));
    }
    sGauge1->SetProgress(app::ProcessLineState().Lines.SlotSum());
}

void TForm1::Timer2Timer(TObject*) { patterns_->FlasherStep(); }
void TForm1::Timer3Timer(TObject*) { patterns_->RunningLightStep(); }

void TForm1::AskInterval(const app::TIntervalPrompt& prompt, TTimer& timer)
{
    std::string text = prompt.DefaultText;
    if (!InputQuery(prompt.Caption, prompt.Prompt, text))
        return;
    if (const std::optional<std::uint32_t> interval = app::IntervalFromText(text))
        timer.SetInterval(*interval);
}

void TForm1::N3Click(TObject*) { AskInterval(app::FlasherIntervalPrompt, *Timer2); }
void TForm1::N5Click(TObject*) { AskInterval(app::RunningLightIntervalPrompt, *Timer3); }

} // namespace pp
