#pragma once
// The main window: line buttons, Read buttons, the two patterns, the
// all-lines bitmap buttons, the gauge, the status bar and the interval menu.
#include "app/TimerComponentSwitch.h"
#include "app/logic/AppTexts.h"
#include "app/logic/PortPatterns.h"
#include "skin/controls/sBitBtnWin32.h"
#include "skin/controls/sGaugeWin32.h"
#include "skin/forms/sHintManager.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Timer.h"

#include <memory>
#include <optional>

namespace pp {

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    TLabel* Label1 = nullptr;
    TsGauge* sGauge1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;
    TButton* Button5 = nullptr;
    TButton* Button6 = nullptr;
    TButton* Button7 = nullptr;
    TButton* Button8 = nullptr;
    TButton* Button9 = nullptr;
    TButton* Button10 = nullptr;
    TButton* Button11 = nullptr;
    TButton* Button12 = nullptr;
    TButton* Button13 = nullptr;
    TButton* Button14 = nullptr;
    TButton* Button15 = nullptr;
    TButton* Button16 = nullptr;
    TButton* Button17 = nullptr;
    TButton* Button18 = nullptr;
    TButton* Button19 = nullptr;
    TButton* Button20 = nullptr;
    TButton* Button21 = nullptr;
    TButton* Button22 = nullptr;
    TButton* Button23 = nullptr;
    TButton* Button24 = nullptr;
    TButton* Button25 = nullptr;
    TButton* Button26 = nullptr;
    TsBitBtn* sBitBtn1 = nullptr;
    TsBitBtn* sBitBtn2 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* N5 = nullptr;
    TsSkinManager* sSkinManager1 = nullptr;
    TsHintManager* sHintManager1 = nullptr;

    // Set line Dk high: Button(2k+1).
    void Button1Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Button5Click(TObject* sender);
    void Button7Click(TObject* sender);
    void Button9Click(TObject* sender);
    void Button11Click(TObject* sender);
    void Button13Click(TObject* sender);
    void Button15Click(TObject* sender);
    // Set line Dk low: Button(2k+2).
    void Button2Click(TObject* sender);
    void Button4Click(TObject* sender);
    void Button6Click(TObject* sender);
    void Button8Click(TObject* sender);
    void Button10Click(TObject* sender);
    void Button12Click(TObject* sender);
    void Button14Click(TObject* sender);
    void Button16Click(TObject* sender);
    // Show line Dk's slot: Button(17+k).
    void Button17Click(TObject* sender);
    void Button18Click(TObject* sender);
    void Button19Click(TObject* sender);
    void Button20Click(TObject* sender);
    void Button21Click(TObject* sender);
    void Button22Click(TObject* sender);
    void Button23Click(TObject* sender);
    void Button24Click(TObject* sender);
    void Button25Click(TObject* sender);
    void Button26Click(TObject* sender);
    void sBitBtn1Click(TObject* sender);
    void sBitBtn2Click(TObject* sender);
    void Timer1Timer(TObject* sender);
    void Timer2Timer(TObject* sender);
    void Timer3Timer(TObject* sender);
    void N3Click(TObject* sender);
    void N5Click(TObject* sender);

private:
    void SetLine(int line);
    void ClearLine(int line);
    void ReadLine(int line);
    // Empty text or Cancel: the interval stays as it is.
    void AskInterval(const app::TIntervalPrompt& prompt, TTimer& timer);

    std::unique_ptr<app::TTimerComponentSwitch> refreshSwitch_;
    std::unique_ptr<app::TTimerComponentSwitch> flasherSwitch_;
    std::unique_ptr<app::TTimerComponentSwitch> runningLightSwitch_;
    std::unique_ptr<app::TPortPatterns> patterns_;
    // The read-back value panel 0 shows; the text is rebuilt only when it changes.
    std::optional<int> shownReadBack_;
};

extern TForm1* Form1;

} // namespace pp
