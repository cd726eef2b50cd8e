#include "toolkit/Application.h"

#include "toolkit/Errors.h"
#include "toolkit/Form.h"
#include "toolkit/PixelStorage.h"
#include "toolkit/Screen.h"
#include "toolkit/TaskWindows.h"
#include "toolkit/Timer.h"
#include "toolkit/WindowClass.h"
#include "win/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace pp {

namespace {
TScreen screenObject;
TApplication applicationObject;

constexpr UINT_PTR HintShowTimer = 1;
constexpr UINT_PTR HintHideTimer = 2;
} // namespace

TApplication* Application = &applicationObject;
TScreen* Screen = &screenObject;

std::string ApplicationTitleFromPath(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const size_t dot = name.find('.'); dot != std::string::npos)
        name.resize(dot);
    std::wstring wide = WideFromUtf8(name);
    // The first letter stays as it is; the rest goes to lower case in the
    // user's locale, Cyrillic included.
    if (wide.size() > 1)
        CharLowerBuffW(wide.data() + 1, static_cast<DWORD>(wide.size() - 1));
    return Utf8FromWide(wide);
}

std::string TApplication::ErrorBoxText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

// Bitmaps made before Initialize (static caches) need the platform's
// storage too, so it goes in as soon as the program starts.
TApplication::TApplication() : TComponent(nullptr) { InstallGraphicsPlatform(); }

TApplication::~TApplication() { Finalize(); }

void TApplication::Initialize()
{
    if (handle_)
        return;
    InstallGraphicsPlatform();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t fileName[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, fileName, static_cast<DWORD>(std::size(fileName)));
    title_ = ApplicationTitleFromPath(Utf8FromWide(fileName));

    HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClassOnce(L"TApplication", AppWindowProc, LoadIconW(instance, L"MAINICON"));
    // Never shown: it owns the forms and message boxes.
    handle_.Reset(CreateWindowExW(0, L"TApplication", WideFromUtf8(title_).c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                  GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                  nullptr, nullptr, instance, nullptr));
    if (!handle_)
        throw EOutOfResources("Cannot create the application window");
    terminated_ = false;
}

void TApplication::Finalize()
{
    CancelHint();
    hintWindow_.reset();
    mainForm_ = nullptr;
    DestroyComponents();
    handle_.Reset();
}

void TApplication::SetTitle(const std::string& title)
{
    if (title == title_)
        return;
    title_ = title;
    if (handle_)
        SetWindowTextW(handle_.Get(), WideFromUtf8(title).c_str());
}

void TApplication::Run()
{
    Initialize();
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) { }
}

void TApplication::HandleMessage()
{
    if (OnIdle || terminated_) {
        if (!ProcessMessage()) {
            Idle();
            if (!terminated_)
                WaitMessage();
        }
        return;
    }
    // Nothing to run when the queue goes empty: the next message is waited
    // for in one call. A look into an empty queue followed by a wait costs
    // the platform a second trip to the window server (and, under Wine, a
    // yield) on every timer tick, which is most of what the idle program
    // does.
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0)
        terminated_ = true;
    else if (got > 0)
        Dispatch(msg);
    else
        WaitMessage(); // A failed call must not turn the loop into a spin.
}

bool TApplication::ProcessMessage()
{
    MSG msg{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    Dispatch(msg);
    return true;
}

void TApplication::Dispatch(MSG& msg)
{
    if (msg.message != WM_TIMER)
        RunOverduePunctualTimers();
    if (!IsPreprocessed(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool TApplication::IsPreprocessed(MSG& msg)
{
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
        TrackMouse(msg);
    if (msg.message == WM_MOUSELEAVE)
        TrackMouse(msg);
    if (msg.message == WM_KEYDOWN || msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN)
        CancelHint();
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR && msg.message != WM_SYSCHAR)
        return false;
    TCustomForm* form = TCustomForm::GetParentForm(TWinControl::FromHandle(msg.hwnd));
    if (!form) {
        // A child window without a control (an edit's inner parts): ask its form.
        for (HWND w = msg.hwnd; w && !form; w = GetParent(w))
            form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(w));
    }
    if (!form || !form->Enabled())
        return false;
    try {
        return form->HandleDialogKey(msg);
    } catch (...) {
        HandleException(form);
        return true;
    }
}

// Hover tracking: which control, windowed or not, the mouse is over. The
// platform tells windows; windowless controls only learn it from here.
void TApplication::TrackMouse(const MSG& msg)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    TControl* target = nullptr;
    if (msg.message != WM_MOUSELEAVE || WindowFromPoint(cursor) == msg.hwnd) {
        if (TWinControl* windowed = TWinControl::FromHandle(msg.hwnd)) {
            POINT local = cursor;
            ::ScreenToClient(msg.hwnd, &local);
            TControl* child = windowed->ControlAtPos({local.x, local.y}, true);
            target = child && !dynamic_cast<TWinControl*>(child) ? child : windowed;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, msg.hwnd, 0};
            TrackMouseEvent(&track);
        }
    }
    SetMouseControl(target);
}

void TApplication::SetMouseControl(TControl* control)
{
    if (control == mouseControl_)
        return;
    TControl* previous = mouseControl_;
    mouseControl_ = control;
    if (previous) {
        previous->Perform(CM_MOUSELEAVE);
        if (previous->Parent())
            previous->Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
    }
    if (control) {
        control->Perform(CM_MOUSEENTER);
        if (control->Parent())
            control->Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
    }
    UpdateHint();
}

void TApplication::ControlDestroyed(TControl* control)
{
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (hintControl_ == control)
        CancelHint();
}

void TApplication::FormLeftScreen(const TCustomForm& form)
{
    if (mouseControl_ && TCustomForm::GetParentForm(mouseControl_) == &form)
        SetMouseControl(nullptr);
}

void TApplication::Idle()
{
    if (OnIdle)
        OnIdle(this);
}

namespace {
bool ControlShowsHint(const TControl* control)
{
    return control && control->ShowHint() && !control->Hint.empty();
}
} // namespace

void TApplication::UpdateHint()
{
    CancelHint();
    if (!ShowHint || !handle_ || !ControlShowsHint(mouseControl_))
        return;
    hintControl_ = mouseControl_;
    SetTimer(handle_.Get(), HintShowTimer, static_cast<UINT>(std::max(1, HintPause)), nullptr);
}

void TApplication::SetHintWindowClass(THintWindowFactory factory)
{
    CancelHint();
    hintWindow_.reset();
    hintWindowClass_ = std::move(factory);
}

void TApplication::CancelHint()
{
    if (handle_) {
        KillTimer(handle_.Get(), HintShowTimer);
        KillTimer(handle_.Get(), HintHideTimer);
    }
    if (hintWindow_ && hintWindow_->HandleAllocated())
        ShowWindow(hintWindow_->HandleValue(), SW_HIDE);
    hintControl_ = nullptr;
}

void TApplication::ShowHintNow()
{
    KillTimer(handle_.Get(), HintShowTimer);
    if (!hintControl_)
        return;
    THintInfo info;
    info.HintControl = hintControl_;
    info.HintStr = hintControl_->Hint;
    info.HintColor = HintColor;
    info.HideTimeout = HintHidePause;
    POINT cursor{};
    GetCursorPos(&cursor);
    info.HintPos = {cursor.x, cursor.y + 20};
    info.HintMaxWidth = Screen->Width();
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    if (!canShow || info.HintStr.empty())
        return;
    if (!hintWindow_)
        hintWindow_ = hintWindowClass_ ? hintWindowClass_() : std::make_unique<THintWindow>(nullptr);
    const TRect size = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
    hintWindow_->ActivateHint(size.Offset(info.HintPos.X, info.HintPos.Y), info.HintStr);
    if (info.HideTimeout > 0)
        SetTimer(handle_.Get(), HintHideTimer, static_cast<UINT>(info.HideTimeout), nullptr);
}

int TApplication::HookMainWindow(TWindowHook hook)
{
    const int id = nextHookId_++;
    hooks_.push_back({id, std::move(hook)});
    return id;
}

void TApplication::UnhookMainWindow(int id)
{
    std::erase_if(hooks_, [id](const THook& h) { return h.Id == id; });
}

LRESULT CALLBACK TApplication::AppWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TApplication* app = Application;
    if (!app || app->handle_.Get() != window)
        return DefWindowProcW(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        // A copy, so that a hook may unhook itself.
        const auto hooks = app->hooks_;
        for (const THook& h : hooks)
            if (h.Hook(message))
                return message.Result;
        app->WndProc(message);
    } catch (...) {
        app->HandleException(app);
    }
    return message.Result;
}

void TApplication::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_TIMER:
        if (message.WParam == HintShowTimer)
            ShowHintNow();
        if (message.WParam == HintHideTimer)
            CancelHint();
        return;
    case WM_CLOSE:
        if (mainForm_)
            mainForm_->Close();
        return;
    case WM_SYSCOMMAND:
        if (MinimizesOrRestores(message)) {
            ShowMainForm((message.WParam & 0xFFF0) == SC_MINIMIZE ? SW_MINIMIZE : SW_RESTORE);
            message.Result = 0;
            return;
        }
        break;
    }
    message.Result = DefWindowProcW(handle_.Get(), message.Msg, message.WParam, message.LParam);
}

// The hidden window stands for the application: minimizing or restoring
// it means the main form's window.
bool TApplication::MinimizesOrRestores(const TMessage& message)
{
    const WPARAM command = message.WParam & 0xFFF0;
    return command == SC_MINIMIZE || command == SC_RESTORE;
}

void TApplication::ShowMainForm(int how)
{
    if (mainForm_ && mainForm_->HandleAllocated())
        ShowWindow(mainForm_->HandleValue(), how);
}

void TApplication::HandleException(TObject* sender)
{
    try {
        throw;
    } catch (const EAbort&) {
        // Quiet by design.
    } catch (const std::exception& error) {
        HandleException(sender, error);
    } catch (...) {
        HandleException(sender, Exception("Unknown error"));
    }
}

void TApplication::HandleException(TObject* sender, const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return;
    if (OnException)
        OnException(sender, error);
    else
        ShowException(error);
}

void TApplication::ShowException(const std::exception& error)
{
    const std::wstring text = WideFromUtf8(ErrorBoxText(error.what()));
    const std::wstring caption = WideFromUtf8(title_);
    // The box blocks input to every window of the program while it is up;
    // timers keep running in its loop.
    TTaskWindowsDisabler disabled(nullptr);
    MessageBoxW(handle_.Get(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace pp
