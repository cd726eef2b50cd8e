#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "toolkit/Application.h"
#include "win/Text.h"

#include <windows.h>

namespace {

// Nobody may take the simulation for the real port: say so once, at start.
void WarnWhenPortIsSimulated()
{
    if (!pp::port::PortIsSimulatedByFallback())
        return;
    const std::wstring text = pp::WideFromUtf8(pp::port::PortFallbackMessage());
    const std::wstring caption = pp::WideFromUtf8(pp::Application->Title());
    MessageBoxW(pp::Application->Handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    pp::Application->Initialize();
    pp::port::InitializePort();
    WarnWhenPortIsSimulated();
    pp::Application->CreateForm(&pp::Form1);
    pp::Application->Run();
    pp::Application->Finalize();
    pp::port::ShutdownPort();
    return 0;
}
