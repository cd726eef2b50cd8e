#include "app/PortNoticeBox.h"
#include "app/TimerPeriodRequest.h"
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/forms/acMenuWindow.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"

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
        // Every form made later (the input box, the show-message window)
        // is skinned the same way as soon as its window exists.
        pp::Screen->OnFormWindowCreated = [](pp::TCustomForm& form) { pp::AttachSkinProvider(form); };
        pp::Application->CreateForm(&pp::Form1);
        // The main window is skinned like any form that comes without a
        // provider of its own: one is made for it on the fly.
        pp::AttachSkinProvider(*pp::Form1);
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
