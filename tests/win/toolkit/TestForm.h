#pragma once
// A small form like the program's main window: a label, two buttons, a
// status bar, a menu and a timer, built from a description.
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/FormBuilder.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Timer.h"

#include <string>
#include <vector>

namespace pp::test {

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner, int timerInterval = 10);
    std::string ClassName() const override { return "TForm1"; }

    TLabel* Label1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TTimer* Timer1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;

    int Ticks = 0;
    std::vector<std::string> Clicks;
    // What the components looked like while their values were assigned.
    std::vector<unsigned> StatesWhileAssigned;
};

} // namespace pp::test
