#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Errors.h"
#include "toolkit/Menu.h"
#include "toolkit/Screen.h"
#include "toolkit/TaskWindows.h"
#include "win/ResourceReport.h"

#include <algorithm>

namespace pp {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
    SetParentFont(false);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    ControlStyle |= csAcceptsControls;
    if (Screen)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (Screen)
        Screen->RemoveForm(this);
    if (Application && Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    DestroyComponents();
    DestroyHandle();
}

void TCustomForm::SetBorderIcons(unsigned icons)
{
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_)
        return;
    if (menu_) {
        menu_->OnChange = nullptr;
        RemoveFreeNotification(menu_);
    }
    menu_ = menu;
    if (menu_) {
        menu_->OnChange = [this](TObject*) { MenuChanged(); };
        FreeNotification(menu_);
    }
    MenuChanged();
}

// A main menu freed while the form lives takes its menu bar with it, and
// leaves the form no pointer to it.
void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        MenuChanged();
    }
}

void TCustomForm::MenuChanged()
{
    if (!HandleAllocated())
        return;
    ::SetMenu(HandleValue(), menu_ ? menu_->Handle() : nullptr);
    Perform(CM_MENUCHANGED);
}

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.ExStyle = 0;
    params.WndParent = Application ? Application->Handle() : nullptr;
    if (Application && Application->MainForm() == this)
        params.ExStyle |= WS_EX_APPWINDOW;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case TFormBorderStyle::bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone && (borderIcons_ & biSystemMenu))
        params.Style |= WS_SYSMENU;
    const bool framed = borderStyle_ == TFormBorderStyle::bsSingle ||
                        borderStyle_ == TFormBorderStyle::bsSizeable;
    if (framed && (borderIcons_ & biMinimize))
        params.Style |= WS_MINIMIZEBOX;
    if (framed && (borderIcons_ & biMaximize))
        params.Style |= WS_MAXIMIZEBOX;
    if (!Enabled())
        params.Style |= WS_DISABLED;
}

void TCustomForm::InitializeWindow()
{
    if (!icon_.Empty()) {
        SendMessageW(HandleValue(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
        SendMessageW(HandleValue(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
    }
    if (menu_)
        ::SetMenu(HandleValue(), menu_->Handle());
    ApplyRequestedClientSize();
    if (Screen && Screen->OnFormWindowCreated)
        Screen->OnFormWindowCreated(*this);
}

void TCustomForm::DestroyWnd()
{
    // The window would destroy its menu bar with itself; the menu keeps it.
    if (HandleAllocated())
        ::SetMenu(HandleValue(), nullptr);
    TWinControl::DestroyWnd();
}

void TCustomForm::SetClientSize(int width, int height)
{
    // Remembered, because the frame is only known for sure once the window
    // and its menu bar exist (a description may set the menu afterwards).
    requestedClient_ = TSize{width, height};
    if (HandleAllocated()) {
        const TRect client = ClientRect();
        SetBounds(Left(), Top(), Width() + width - client.Width(), Height() + height - client.Height());
        return;
    }
    TCreateParams params;
    CreateParams(params);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, params.Style, menu_ != nullptr, params.ExStyle);
    SetBounds(Left(), Top(), frame.right - frame.left, frame.bottom - frame.top);
}

void TCustomForm::ApplyRequestedClientSize()
{
    if (requestedClient_)
        SetClientSize(requestedClient_->Width, requestedClient_->Height);
}

void TCustomForm::CenterOnScreen()
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - Width()) / 2;
    const int top = work.top + (work.bottom - work.top - Height()) / 2;
    SetBounds(left, top, Width(), Height());
}

void TCustomForm::ShowWindowNow()
{
    if (Visible()) {
        HandleNeeded();
        if (!shownOnce_ && Position == TPosition::poScreenCenter)
            CenterOnScreen();
        shownOnce_ = true;
        ShowWindow(HandleValue(), SW_SHOWNORMAL);
        if (!activeControl_)
            FocusFirst();
        if (OnShow)
            OnShow(this);
    } else if (HandleAllocated()) {
        if (OnHide)
            OnHide(this);
        ShowWindow(HandleValue(), SW_HIDE);
    }
    Perform(CM_SHOWINGCHANGED);
}

TCustomForm* TCustomForm::GetParentForm(const TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(control));
}

std::vector<TWinControl*> TCustomForm::TabList() const
{
    std::vector<TWinControl*> list;
    auto collect = [&](auto&& self, const TWinControl* container) -> void {
        std::vector<TWinControl*> children;
        for (int i = 0; i < container->ControlCount(); ++i)
            if (auto* w = dynamic_cast<TWinControl*>(container->Controls(i)))
                children.push_back(w);
        std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
            return (a->TabOrder < 0 ? 1 << 30 : a->TabOrder) < (b->TabOrder < 0 ? 1 << 30 : b->TabOrder);
        });
        for (TWinControl* w : children) {
            if (w->TabStop && w->CanFocus())
                list.push_back(w);
            self(self, w);
        }
    };
    collect(collect, this);
    return list;
}

void TCustomForm::FocusFirst()
{
    const auto list = TabList();
    if (!list.empty())
        FocusControl(list.front());
}

void TCustomForm::SelectNext(bool forward)
{
    const auto list = TabList();
    if (list.empty())
        return;
    auto it = std::find(list.begin(), list.end(), activeControl_);
    size_t index = it == list.end() ? 0 : static_cast<size_t>(it - list.begin());
    index = forward ? (index + 1) % list.size() : (index + list.size() - 1) % list.size();
    FocusControl(list[index]);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    activeControl_ = control;
    if (control && Showing())
        control->SetFocus();
}

void TCustomForm::FocusControl(TWinControl* control)
{
    if (!control)
        return;
    activeControl_ = control;
    if (HandleAllocated() && IsWindowVisible(HandleValue()))
        control->SetFocus();
}

void TCustomForm::FocusChanged(TWinControl* control)
{
    activeControl_ = control;
    auto notify = [&](auto&& self, TWinControl* container) -> void {
        for (int i = 0; i < container->ControlCount(); ++i) {
            TControl* c = container->Controls(i);
            c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
            if (auto* w = dynamic_cast<TWinControl*>(c))
                self(self, w);
        }
    };
    notify(notify, this);
}

TButton* TCustomForm::FindButton(bool wantDefault) const
{
    TButton* found = nullptr;
    auto search = [&](auto&& self, const TWinControl* container) -> void {
        for (int i = 0; i < container->ControlCount() && !found; ++i) {
            TControl* c = container->Controls(i);
            if (auto* b = dynamic_cast<TButton*>(c);
                b && b->Visible() && b->Enabled() && (wantDefault ? b->Default() : b->Cancel))
                found = b;
            else if (auto* w = dynamic_cast<TWinControl*>(c))
                self(self, w);
        }
    };
    search(search, this);
    return found;
}

bool TCustomForm::HandleDialogChar(const MSG& msg)
{
    // Typed characters belong to an edit box; Alt+letter always looks for
    // the control whose caption marks that letter.
    if (msg.message == WM_CHAR && dynamic_cast<TEdit*>(TWinControl::FromHandle(msg.hwnd)))
        return false;
    bool handled = false;
    auto offer = [&](auto&& self, TWinControl* container) -> void {
        for (int i = 0; i < container->ControlCount() && !handled; ++i) {
            TControl* c = container->Controls(i);
            handled = c->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
            if (auto* w = dynamic_cast<TWinControl*>(c); w && !handled)
                self(self, w);
        }
    };
    offer(offer, this);
    return handled;
}

bool TCustomForm::HandleDialogKey(const MSG& msg)
{
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR)
        return HandleDialogChar(msg);
    if (msg.message != WM_KEYDOWN)
        return false;
    switch (msg.wParam) {
    case VK_TAB: SelectNext(GetKeyState(VK_SHIFT) >= 0); return true;
    case VK_RETURN: {
        TButton* button = dynamic_cast<TButton*>(activeControl_);
        if (!button || !button->Focused())
            button = FindButton(true);
        if (!button)
            return false;
        button->Click();
        return true;
    }
    case VK_ESCAPE:
        if (TButton* button = FindButton(false)) {
            button->Click();
            return true;
        }
        if (modal_) {
            modalResult_ = mrCancel;
            return true;
        }
        return false;
    }
    return false;
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == TCloseAction::caMinimize && HandleAllocated())
        ShowWindow(HandleValue(), SW_MINIMIZE);
    else
        Hide();
    if (action == TCloseAction::caFree)
        Release();
}

void TCustomForm::Release()
{
    // Freed from the message loop, after whatever handler asked for it has
    // returned. Only for forms that belong to an owner or to nobody who
    // would free them again.
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_)
        throw EInvalidOperation("Cannot make a visible window modal");
    HWND previousActive = GetActiveWindow();
    TTaskWindowsDisabler disabled(nullptr);
    modal_ = true;
    modalResult_ = mrNone;
    if (Application)
        Application->ModalStarted();
    try {
        Show();
        while (modalResult_ == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated())
                modalResult_ = mrCancel;
            else if (modalResult_ != mrNone && !CloseQuery())
                modalResult_ = mrNone;
        }
    } catch (...) {
        modal_ = false;
        Application->ModalFinished();
        Hide();
        throw;
    }
    Application->ModalFinished();
    disabled.Restore();
    Hide();
    modal_ = false;
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    return modalResult_;
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    ApplyRequestedClientSize();
    AlignControls();
}

void TCustomForm::WndProc(TMessage& message)
{
    if (message.Msg == ResourceReportMessage()) {
        message.Result = ResourceFigure(message.WParam);
        return;
    }
    switch (message.Msg) {
    case CM_VISIBLECHANGED: ShowWindowNow(); return;
    case WM_CLOSE: Close(); return;
    case WM_SHOWWINDOW:
        if (!message.WParam && Application)
            Application->FormLeftScreen(*this);
        break;
    case WM_SIZE:
        if (message.WParam == SIZE_MINIMIZED && Application)
            Application->FormLeftScreen(*this);
        break;
    case WM_SYSCOMMAND:
        // The main form minimizes and restores as the application, through
        // the application's window (whose hooks may animate it).
        if (Application && Application->MainForm() == this && Application->Handle() &&
            ((message.WParam & 0xFFF0) == SC_MINIMIZE || (message.WParam & 0xFFF0) == SC_RESTORE)) {
            message.Result = SendMessageW(Application->Handle(), WM_SYSCOMMAND, message.WParam,
                                          message.LParam);
            return;
        }
        break;
    case WM_COMMAND:
        if (message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_ &&
            menu_->DispatchCommand(LOWORD(message.WParam))) {
            message.Result = 0;
            return;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(message.WParam) != WA_INACTIVE) {
            if (activeControl_ && activeControl_->HandleAllocated())
                ::SetFocus(activeControl_->HandleValue());
            if (OnActivate)
                OnActivate(this);
            message.Result = 0;
            return;
        }
        // Whatever the focused control was in the middle of (a pressed
        // button, a drag) ends when the form loses activation.
        if (activeControl_)
            activeControl_->Perform(CM_CANCELMODE);
        if (OnDeactivate)
            OnDeactivate(this);
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace pp
