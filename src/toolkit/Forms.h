#pragma once
// Forms, the screen's list of them, and the application object with its
// hidden window, message loop and top-level error handler.
#include "toolkit/Controls.h"
#include "toolkit/Errors.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pp {

enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position = TPosition::poDefault;
    TIcon& Icon() { return icon_; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Stored values of the form's description, kept for what reads them.
    int PixelsPerInch = 96;
    int TextHeight = 13;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Shows the form modally (other forms disabled) until a modal result is set.
    TModalResult ShowModal();
    // Asks the form to close; the OnClose action decides: hide (default),
    // minimise, free (caFree: the form frees itself from the message loop).
    void Close();
    void Release();
    bool IsModal() const { return modal_; }
    void SetClientSize(int width, int height) override;

    // The control that has or last had the focus inside the form.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // The form a control is on, or null.
    static TCustomForm* GetParentForm(const TControl* control);

    std::function<void(TObject* sender, TCloseAction& action)> OnClose;
    std::function<void(TObject* sender, bool& canClose)> OnCloseQuery;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    void WndProc(TMessage& message) override;
    void Loaded() override;
    // Enter and Escape go to the default and cancel buttons, Tab moves the
    // focus, a character marked with "&" in a caption clicks that control;
    // true when the key was used.
    bool HandleDialogKey(const MSG& msg);

    // Records the focused control and tells every control on the form.
    void FocusChanged(TWinControl* control);
    // Moves the focus along the tab order.
    void SelectNext(bool forward);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;

private:
    void CenterOnScreen();
    void ApplyRequestedClientSize();
    void ShowWindowNow();
    void MenuChanged();
    void FocusFirst();
    std::vector<TWinControl*> TabList() const;
    TButton* FindButton(bool wantDefault) const;
    bool HandleDialogChar(const MSG& msg);
    bool CloseQuery();

    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TIcon icon_;
    TMainMenu* menu_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool shownOnce_ = false;
    TWinControl* activeControl_ = nullptr;
    std::optional<TSize> requestedClient_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

// The hint window shown over controls; the application's hint window class
// can be replaced with a factory for another kind.
class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }
    // The rectangle (at 0, 0) that the text needs.
    virtual TRect CalcHintRect(int maxWidth, const std::string& text);
    // Places the window on the screen at `rect` with `text` and shows it.
    virtual void ActivateHint(const TRect& rect, const std::string& text);
    void ReleaseHandle() { DestroyHandle(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
};
using THintWindowFactory = std::function<std::unique_ptr<THintWindow>()>;

struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = 0;
    TRect CursorRect;
    std::string HintStr;
    int HideTimeout = 0;
};
using TShowHintEvent = std::function<void(std::string& hintText, bool& canShow, THintInfo& info)>;

// The screen: its size and the forms in creation order.
class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    std::string ClassName() const override { return "TScreen"; }
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const;
    int Width() const;
    int Height() const;
    void AddForm(TCustomForm* form) { forms_.push_back(form); }
    void RemoveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> forms_;
};

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
    template <class T>
    T* CreateForm(T** reference = nullptr)
    {
        T* form = new T(this);
        if (reference) *reference = form;
        if (!mainForm_) mainForm_ = form;
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
    int ModalLevel() const { return modalLevel_; }
    void ModalStarted() { ++modalLevel_; }
    void ModalFinished() { --modalLevel_; }

    TNotifyEvent OnIdle;

private:
    static LRESULT CALLBACK AppWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void WndProc(TMessage& message);
    bool IsPreprocessed(MSG& msg);
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
extern TScreen* Screen;

} // namespace pp
