#include "TestForm.h"

namespace pp::test {

TForm1::TForm1(TComponent* owner, int timerInterval) : TForm(owner)
{
    auto record = [this](TComponent& c) { StatesWhileAssigned.push_back(c.ComponentState()); };
    LoadFormDescription<TForm1>(
        *this,
        {[](TForm1& f) {
             f.SetCaption("LPT Pindrel_Port 888");
             f.SetBorderIcons(biSystemMenu | biMinimize);
             f.Position = TPosition::poScreenCenter;
             f.SetClientSize(393, 192);
         },
         {
             Describe(&TForm1::Label1, "Label1",
                      [=](TLabel& c, TForm1&) {
                          record(c);
                          c.SetBounds(16, 8, 345, 13);
                          c.SetCaption("2           3");
                          c.Font().SetColor(clRed);
                      }),
             Describe(&TForm1::StatusBar1, "StatusBar1",
                      [=](TStatusBar& c, TForm1&) {
                          record(c);
                          c.Panels().Add().SetText("Порт 888");
                          c.Panels()[0].SetWidth(80);
                          c.Panels().Add().SetText("LPT_V");
                      }),
             Describe(&TForm1::Button1, "Button1",
                      [=](TButton& c, TForm1& f) {
                          record(c);
                          c.SetBounds(8, 32, 41, 25);
                          c.SetCaption("D0(1)");
                          c.TabOrder = 1;
                          c.OnClick = [&f](TObject*) { f.Clicks.push_back("Button1"); };
                      }),
             Describe(&TForm1::Button2, "Button2",
                      [=](TButton& c, TForm1& f) {
                          record(c);
                          c.SetBounds(8, 64, 41, 25);
                          c.SetCaption("Мигалка");
                          c.TabOrder = 2;
                          c.OnClick = [&f](TObject*) { f.Clicks.push_back("Button2"); };
                      }),
             Describe(&TForm1::Timer1, "Timer1",
                      [=](TTimer& c, TForm1& f) {
                          record(c);
                          c.SetInterval(static_cast<std::uint32_t>(timerInterval));
                          c.SetOnTimer([&f](TObject*) { ++f.Ticks; });
                      }),
             Describe(
                 &TForm1::MainMenu1, "MainMenu1",
                 [=](TMainMenu& c, TForm1& f) {
                     record(c);
                     f.SetMenu(&c);
                 },
                 {
                     Describe(&TForm1::N1, "N1", [](TMenuItem& c, TForm1&) { c.SetCaption("&Параметры"); },
                              {
                                  Describe(&TForm1::N2, "N2",
                                           [](TMenuItem& c, TForm1& f) {
                                               c.SetCaption("Интервал");
                                               c.OnClick = [&f](TObject*) { f.Clicks.push_back("N2"); };
                                           }),
                              }),
                 }),
         }});
}

} // namespace pp::test
