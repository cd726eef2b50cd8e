#include "AppFixture.h"

#include "toolkit/Text.h"

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

Trace AppFixture::TakeTrace()
{
    std::ifstream in(traceFile_);
    std::string line;
    Trace all;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        long long micros = 0;
        char kind = 0;
        int portNumber = 0, value = 0;
        fields >> micros >> kind >> portNumber >> value;
        std::string entry(1, kind);
        if (kind == 'W')
            entry += std::to_string(value);
        all.push_back(entry);
    }
    Trace fresh(all.begin() + static_cast<std::ptrdiff_t>(std::min(traceRead_, all.size())), all.end());
    traceRead_ = all.size();
    return fresh;
}

void AppFixture::Click(TButton* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }

void AppFixture::MenuCommand(TMenuItem* item)
{
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
}

} // namespace pp
