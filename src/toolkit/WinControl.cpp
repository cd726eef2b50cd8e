#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Form.h"
#include "win/PaintDC.h"
#include "win/SavedDC.h"
#include "win/Text.h"

#include <algorithm>
#include <map>

namespace pp {

namespace {
// The window property that leads from a window to its control.
constexpr wchar_t ControlProperty[] = L"PindrelToolkitControl";
// The control whose window is being made: its first messages arrive before
// CreateWindowEx returns.
thread_local TWinControl* creatingControl = nullptr;
// A windowless control that got a mouse button down keeps the mouse until up.
TControl* mouseCapture = nullptr;

RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
bool IsClientMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL;
}
} // namespace

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = TWinControl::FromHandle(window);
    if (!control && creatingControl) {
        control = creatingControl;
        creatingControl = nullptr;
        control->AttachWindow(window);
    }
    if (!control)
        return DefWindowProcW(window, msg, wParam, lParam);
    if (msg == CM_RELEASE) {
        // Freed here, outside its own message method, which is freed with it.
        delete control;
        return 0;
    }
    TMessage message{msg, wParam, lParam, 0};
    control->MainWndProc(message);
    if (msg == WM_NCDESTROY) {
        // The window is gone, whoever destroyed it: forget it.
        RemovePropW(window, ControlProperty);
        control->handle_.Release();
    }
    return message.Result;
}

WNDPROC RegisterToolkitClass(const TCreateParams& params)
{
    static std::map<std::wstring, WNDPROC> registered;
    if (auto found = registered.find(params.WinClassName); found != registered.end())
        return found->second;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC defaultProc = DefWindowProcW;
    if (!params.SystemClassName.empty()) {
        // A superclass: the system class's look and behaviour under our name.
        if (!GetClassInfoExW(nullptr, params.SystemClassName.c_str(), &wc))
            throw Exception("Cannot find window class " + Utf8FromWide(params.SystemClassName));
        defaultProc = wc.lpfnWndProc;
        wc.cbSize = sizeof(wc);
    } else {
        wc.style = params.ClassStyle;
        wc.hCursor = params.Cursor ? params.Cursor
                                   : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = params.Background;
        wc.hIcon = params.Icon;
    }
    wc.lpfnWndProc = ToolkitWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.WinClassName.c_str();
    wc.style &= ~CS_GLOBALCLASS;
    if (!RegisterClassExW(&wc))
        throw Exception("Cannot register window class " + Utf8FromWide(params.WinClassName));
    registered.emplace(params.WinClassName, defaultProc);
    return defaultProc;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { brush_.SetColor(Color()); }

TWinControl::~TWinControl()
{
    Destroying();
    // Owned components go first, while this window and its children exist.
    DestroyComponents();
    for (TControl* child : std::vector<TControl*>(controls_))
        child->SetParent(nullptr);
    DestroyHandle();
    if (mouseCapture == this)
        mouseCapture = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    return window ? static_cast<TWinControl*>(GetPropW(window, ControlProperty)) : nullptr;
}

void TWinControl::AttachWindow(HWND window)
{
    SetPropW(window, ControlProperty, this);
    handle_.Reset(window);
}

HWND TWinControl::Handle()
{
    if (!handle_)
        CreateWnd();
    return handle_.Get();
}

HWND TWinControl::ParentWindow() const
{
    if (Parent())
        return Parent()->Handle();
    return Application ? Application->Handle() : nullptr;
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = WideFromUtf8(text_);
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    if (TabStop)
        params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : nullptr;
    params.WinClassName = WideFromUtf8(ClassName());
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    defWndProc_ = RegisterToolkitClass(params);
    systemClass_ = !params.SystemClassName.empty();
    ControlState |= csCreating;
    creatingControl = this;
    HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                  params.Style, params.X, params.Y, params.Width, params.Height,
                                  params.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    creatingControl = nullptr;
    ControlState &= ~csCreating;
    if (!window || !handle_)
        throw EOutOfResources("Error creating window");
    CreateWindowHandle(params);
}

void TWinControl::CreateWindowHandle(const TCreateParams&)
{
    SendMessageW(handle_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
    InitializeWindow();
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->Visible())
            windowed->HandleNeeded();
    AlignControls();
}

void TWinControl::DestroyWnd()
{
    if (!handle_)
        return;
    text_ = GetText();
    ControlState |= csDestroyingHandle;
    // Not through the owner's Reset: the window's last message (WM_NCDESTROY)
    // takes the handle out of its owner while DestroyWindow runs.
    DestroyWindow(handle_.Get());
    ControlState &= ~csDestroyingHandle;
    handle_.Reset();
}

void TWinControl::DestroyHandle() { DestroyWnd(); }

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTCOLORCHANGED);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && handle_ && windowed->Visible())
        windowed->HandleNeeded();
    else if (!dynamic_cast<TWinControl*>(control))
        control->Invalidate();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
    if (control->Align() != TAlign::alNone)
        AlignControls();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
        return;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->DestroyHandle();
    else
        control->Invalidate();
    if (mouseCapture == control)
        mouseCapture = nullptr;
    std::erase(controls_, control);
    if (control->Align() != TAlign::alNone)
        AlignControls();
}

void TWinControl::InsertDescribedChild(TComponent* child)
{
    if (auto* control = dynamic_cast<TControl*>(child))
        control->SetParent(this);
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(point))
            return c;
    }
    return nullptr;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_.Get(); }

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (HWND window = Handle())
        ::SetFocus(window);
}

TRect TWinControl::ClientRect() const
{
    if (handle_) {
        RECT r{};
        GetClientRect(handle_.Get(), &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    // Before the window exists: the bounds less the frame it will have.
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, params.Style & ~WS_VISIBLE, FALSE, params.ExStyle);
    const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
    return {0, 0, std::max(0, Width() - frameWidth), std::max(0, Height() - frameHeight)};
}

TPoint TWinControl::ClientOrigin() const
{
    if (handle_) {
        POINT p{0, 0};
        ::ClientToScreen(handle_.Get(), &p);
        return {p.x, p.y};
    }
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const
{
    if (Parent())
        return Visible() && Parent()->Showing();
    return Visible() && handle_ && IsWindowVisible(handle_.Get());
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_.Get(), nullptr, !(ControlStyle & csOpaque));
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_.Get());
}

void TWinControl::SetText(const std::string& text)
{
    if (text == GetText())
        return;
    text_ = text;
    if (handle_)
        SetWindowTextW(handle_.Get(), WideFromUtf8(text).c_str());
    Perform(CM_TEXTCHANGED);
}

std::string TWinControl::GetText() const
{
    if (!handle_)
        return text_;
    const int length = GetWindowTextLengthW(handle_.Get());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle_.Get(), text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(0, copied)));
    return Utf8FromWide(text);
}

void TWinControl::BoundsChanged()
{
    if (handle_)
        SetWindowPos(handle_.Get(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    else
        AlignControls();
}

void TWinControl::VisibleChanging() { }

void TWinControl::AlignControls()
{
    if (aligning_)
        return;
    aligning_ = true;
    TRect area = ClientRect();
    auto place = [&](TAlign which) {
        for (TControl* c : controls_) {
            if (c->Align() != which || !c->Visible())
                continue;
            switch (which) {
            case TAlign::alTop:
                c->SetBounds(area.Left, area.Top, area.Width(), c->Height());
                area.Top += c->Height();
                break;
            case TAlign::alBottom:
                area.Bottom -= c->Height();
                c->SetBounds(area.Left, area.Bottom, area.Width(), c->Height());
                break;
            case TAlign::alLeft:
                c->SetBounds(area.Left, area.Top, c->Width(), area.Height());
                area.Left += c->Width();
                break;
            case TAlign::alRight:
                area.Right -= c->Width();
                c->SetBounds(area.Right, area.Top, c->Width(), area.Height());
                break;
            case TAlign::alClient: c->SetBounds(area.Left, area.Top, area.Width(), area.Height()); break;
            case TAlign::alNone: break;
            }
        }
    };
    for (TAlign which : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient})
        place(which);
    aligning_ = false;
}

void TWinControl::PaintControls(HDC dc, const TRect& clip)
{
    for (TControl* c : controls_) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible())
            continue;
        if (IntersectRect(c->BoundsRect(), clip).IsEmpty())
            continue;
        const TSavedDC saved(dc);
        // From the origin the caller set: a picture of a whole form has it
        // at the client area, below the caption.
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::PaintWindow(HDC) { }

void TWinControl::MainWndProc(TMessage& message)
{
    try {
        WindowProc(message);
    } catch (...) {
        if (Application)
            Application->HandleException(this);
    }
}

void TWinControl::UpdateShowing()
{
    if (!handle_) {
        if (Visible() && (!Parent() || Parent()->HandleAllocated()))
            HandleNeeded();
        return;
    }
    ShowWindow(handle_.Get(), Visible() ? SW_SHOWNA : SW_HIDE);
    Perform(CM_SHOWINGCHANGED);
}

bool TWinControl::ForwardMouseToChild(TMessage& message)
{
    if (!IsClientMouseMessage(message.Msg))
        return false;
    const TPoint point{static_cast<short>(LOWORD(message.LParam)),
                       static_cast<short>(HIWORD(message.LParam))};
    TControl* target = mouseCapture && mouseCapture->Parent() == this ? mouseCapture
                                                                      : ControlAtPos(point, false);
    if (!target || dynamic_cast<TWinControl*>(target))
        return false;
    if (message.Msg == WM_LBUTTONDOWN) {
        mouseCapture = target;
        SetCapture(handle_.Get());
    } else if (message.Msg == WM_LBUTTONUP && mouseCapture) {
        mouseCapture = nullptr;
        ReleaseCapture();
    }
    const LPARAM local = MAKELPARAM(point.X - target->Left(), point.Y - target->Top());
    message.Result = target->Perform(message.Msg, message.WParam, local);
    return true;
}

void TWinControl::NotifyChildren(UINT msg)
{
    for (TControl* c : std::vector<TControl*>(controls_))
        c->Perform(msg);
}

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        if (handle_)
            EnableWindow(handle_.Get(), Enabled());
        break;
    case CM_VISIBLECHANGED: UpdateShowing(); break;
    case CM_COLORCHANGED:
        brush_.SetColor(Color());
        NotifyChildren(CM_PARENTCOLORCHANGED);
        Invalidate();
        break;
    case CM_FONTCHANGED:
        if (handle_)
            SendMessageW(handle_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 1);
        NotifyChildren(CM_PARENTFONTCHANGED);
        break;
    case WM_SETFOCUS:
        if (TCustomForm* form = TCustomForm::GetParentForm(this); form && form != this)
            form->FocusChanged(this);
        break;
    case WM_WINDOWPOSCHANGED: FollowWindowPosition(); break;
    default:
        if (ForwardMouseToChild(message))
            return;
    }
    TControl::WndProc(message);
}

void TWinControl::FollowWindowPosition()
{
    RECT r{};
    GetWindowRect(handle_.Get(), &r);
    if (HWND parent = GetParent(handle_.Get());
        parent && (GetWindowLongW(handle_.Get(), GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    const TRect bounds{r.left, r.top, r.right, r.bottom};
    if (bounds == BoundsRect())
        return;
    const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
    StoreBounds(bounds);
    if (resized) {
        AlignControls();
        if (OnResize)
            OnResize(this);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!handle_)
        return;
    if (!systemClass_) {
        if (message.Msg == WM_PAINT)
            return HandlePaint(message);
        if (message.Msg == WM_ERASEBKGND)
            return HandleEraseBackground(message);
    }
    if (ReflectNotification(message))
        return;
    DefWndProc(message);
}

void TWinControl::DefWndProc(TMessage& message)
{
    if (!handle_)
        return;
    message.Result = CallWindowProcW(defWndProc_, handle_.Get(), message.Msg, message.WParam, message.LParam);
}

void TWinControl::HandlePaint(TMessage& message)
{
    if (message.WParam) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        PaintWindow(dc);
        PaintControls(dc, ClientRect());
        return;
    }
    const TPaintDC paint(handle_.Get());
    if (!paint.Get())
        return;
    const RECT& area = paint.PaintRect();
    PaintWindow(paint.Get());
    PaintControls(paint.Get(), {area.left, area.top, area.right, area.bottom});
}

void TWinControl::HandleEraseBackground(TMessage& message)
{
    const RECT r = ToRECT(ClientRect());
    FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush_.Handle());
    message.Result = 1;
}

bool TWinControl::ReflectNotification(TMessage& message)
{
    HWND child = nullptr;
    switch (message.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: child = reinterpret_cast<HWND>(message.LParam); break;
    case WM_DRAWITEM:
        if (!message.LParam)
            return false;
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
        break;
    case WM_NOTIFY:
        if (!message.LParam)
            return false;
        child = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
        break;
    default: return false;
    }
    TWinControl* target = FromHandle(child);
    if (!target || target == this)
        return false;
    message.Result = target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    if (message.Result == 0 && message.Msg != WM_COMMAND && message.Msg != WM_NOTIFY)
        return false;
    return true;
}

} // namespace pp
