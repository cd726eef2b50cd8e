#pragma once
// The application object: its hidden window, the message loop, hints and
// the top-level error handler.
#include "toolkit/Component.h"
#include "toolkit/HintWindow.h"
#include "toolkit/Messages.h"
#include "win/Handles.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pp {

class TControl;
class TCustomForm;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
// A hook on the application window's messages; true means handled.
using TWindowHook = std::function<bool(TMessage& message)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Creates the hidden window, sets the title from the program's file
    // name and installs the platform's bitmap storage. Safe to call twice.
    void Initialize();
    // Tears down the hidden window and frees the forms (tests and exit).
    void Finalize();

    // The hidden top-level window of class "TApplication".
    HWND Handle() const { return handle_.Get(); }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Creates a form owned by the application; the first becomes the main form.
    template <class T> T* CreateForm(T** reference = nullptr)
    {
        T* form = new T(this);
        if (reference)
            *reference = form;
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }

    // Shows the main form and runs the message loop until it closes.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages waiting now and returns.
    void ProcessMessages();
    // Waits for one message (or idles) and handles it.
    void HandleMessage();
    // Handles one message if there is one; false when the queue was empty.
    bool ProcessMessage();

    // Hooks on the hidden window's messages, called first to last.
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);

    // Top-level error handling: OnException when set, else ShowException.
    TExceptionEvent OnException;
    // Call from a catch block: handles the exception being caught.
    void HandleException(TObject* sender);
    void HandleException(TObject* sender, const std::exception& error);
    // The error box: the title as caption, stop icon, OK.
    void ShowException(const std::exception& error);
    // The text the error box shows for a message.
    static std::string ErrorBoxText(const std::string& message);

    // Hints.
    bool ShowHint = true;
    TColor HintColor = 0xE1FFFF;
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    TShowHintEvent OnShowHint;
    // Replaces the kind of window hints appear in; the next hint makes one
    // of the new kind (null: the plain hint window).
    void SetHintWindowClass(THintWindowFactory factory);
    void CancelHint();

    // The windowless or windowed control the mouse is over.
    TControl* MouseControl() const { return mouseControl_; }
    // Forgets a control being freed.
    void ControlDestroyed(TControl* control);
    // A form hidden or minimized under the mouse gets no mouse-leave from
    // the platform: the control it had under the mouse is left here.
    void FormLeftScreen(const TCustomForm& form);
    int ModalLevel() const { return modalLevel_; }
    void ModalStarted() { ++modalLevel_; }
    void ModalFinished() { --modalLevel_; }

    TNotifyEvent OnIdle;

private:
    static LRESULT CALLBACK AppWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void WndProc(TMessage& message);
    static bool MinimizesOrRestores(const TMessage& message);
    void ShowMainForm(int how);
    bool IsPreprocessed(MSG& msg);
    void Dispatch(MSG& msg);
    void TrackMouse(const MSG& msg);
    void SetMouseControl(TControl* control);
    void Idle();
    void UpdateHint();
    void ShowHintNow();

    TWindowHandle handle_;
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int modalLevel_ = 0;
    struct THook {
        int Id;
        TWindowHook Hook;
    };
    std::vector<THook> hooks_;
    int nextHookId_ = 1;
    TControl* mouseControl_ = nullptr;
    THintWindowFactory hintWindowClass_;
    std::unique_ptr<THintWindow> hintWindow_;
    TControl* hintControl_ = nullptr;
    DWORD hoverSince_ = 0;
    bool hintShown_ = false;
};

// The title a program gets from its file name: the name without its folder
// up to its first dot, the first letter as it is, the rest in lower case.
std::string ApplicationTitleFromPath(const std::string& path);

extern TApplication* Application;

} // namespace pp
