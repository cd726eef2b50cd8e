#include "app/PortNoticeBox.h"
#include "app/TimerPeriodRequest.h"
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/forms/AutomaticSkinning.h"
#include "skin/forms/acMenuWindow.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Held while the program runs and given back on every way out.
    const pp::TTimerPeriodRequest timerPeriod;
    int exitCode = 0;
    try {
        pp::Application->Initialize();
        // Before the main window is built: its skin manager announces the
        // skin as soon as the window's description has been read.
        pp::InstallSkinBroadcast();
        // Drop-down menus are skinned as their windows appear.
        pp::InstallSkinnedMenus();
        pp::port::InitializePort();
        // Nobody may take the simulation for the real port, nor believe a
        // trace is written that is not: say so once, at start.
        pp::app::ShowPortStartupNotice();
        const pp::app::TTraceStopNotice traceStopNotice;
        // Forms without a provider of their own (all of this program's) get
        // one on the fly, as soon as their window exists or when they are
        // activated; ownerless platform dialogs get dialog adapters.
        pp::InstallAutomaticSkinning();
        pp::Application->CreateForm(&pp::Form1);
        // The main window's window is made while its description is read,
        // when no form may be given a provider yet: it gets one now, by the
        // same rules, before it is first shown.
        pp::AttachFormWhenCreated(*pp::Form1);
        pp::Application->Run();
    } catch (const std::exception& error) {
        // A failure before the message loop runs (the loop handles its own)
        // ends the program with its message instead of an abort.
        pp::Application->ShowException(error);
        exitCode = 1;
    }
    pp::Application->Finalize();
    pp::port::ShutdownPort();
    return exitCode;
}
