#include "AppFixture.h"

#include "win/Text.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace pp {

void AppFixture::SetUp()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    char name[64];
    std::snprintf(name, sizeof name, "app-trace-%lu.txt", GetCurrentProcessId());
    traceFile_ = Utf8FromWide(folder) + name;
    std::remove(traceFile_.c_str());
    port::InitializePort("sim", traceFile_);
    app::ProcessLineState() = app::TLineState{};
    Application->OnException = [this](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    form = new TForm1(Application);
    // Shown, but no message handled yet: no tick has run.
    form->Show();
}

void AppFixture::TearDown()
{
    delete form;
    Application->OnException = nullptr;
    port::ShutdownPort();
    std::remove(traceFile_.c_str());
}

std::vector<TTimedPortAccess> AppFixture::TakeTimedTrace()
{
    std::ifstream in(traceFile_);
    std::string line;
    std::vector<TTimedPortAccess> all;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        long long micros = 0;
        char kind = 0;
        int portNumber = 0, value = 0;
        fields >> micros >> kind >> portNumber >> value;
        std::string entry(1, kind);
        if (kind == 'W')
            entry += std::to_string(value);
        all.push_back({micros, entry});
    }
    std::vector<TTimedPortAccess> fresh(
        all.begin() + static_cast<std::ptrdiff_t>(std::min(traceRead_, all.size())), all.end());
    traceRead_ = all.size();
    return fresh;
}

Trace AppFixture::TakeTrace()
{
    Trace entries;
    for (TTimedPortAccess& access : TakeTimedTrace())
        entries.push_back(std::move(access.Entry));
    return entries;
}

TButton* AppFixture::ButtonNumber(int number) const
{
    return dynamic_cast<TButton*>(form->FindComponent("Button" + std::to_string(number)));
}

void AppFixture::Click(TButton* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }

void AppFixture::EnterInterval(TMenuItem* item, const char* typed)
{
    WithModal<TInputForm>([&] { MenuCommand(item); },
                          [&](TInputForm& box) {
                              box.Edit->SetText(typed);
                              Click(box.OkButton);
                          });
}

void AppFixture::MenuCommand(TMenuItem* item)
{
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

} // namespace pp
