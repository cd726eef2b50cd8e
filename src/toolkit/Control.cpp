#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "win/SavedDC.h"

namespace pp {

TControl::TControl(TComponent* owner) : TComponent(owner)
{
    WindowProc = [this](TMessage& message) { WndProc(message); };
    font_.OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    if (Application)
        Application->ControlDestroyed(this);
    // The form would otherwise cancel the mode of, or focus, a freed control.
    if (TCustomForm* form = TCustomForm::GetParentForm(this); form && form != this)
        form->ControlDestroyed(this);
    if (parent_)
        parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_)
        parent_->InsertControl(this);
}

void TControl::InsertDescribedChild(TComponent* child)
{
    // Only windowed controls hold other controls.
    TComponent::InsertDescribedChild(child);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const TRect bounds = TRect::FromBounds(left, top, width, height);
    if (bounds == bounds_)
        return;
    const bool resized = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
    if (Visible() && !dynamic_cast<TWinControl*>(this))
        Invalidate();
    bounds_ = bounds;
    BoundsChanged();
    if (Visible() && !dynamic_cast<TWinControl*>(this))
        Invalidate();
    if (parent_ && align_ != TAlign::alNone)
        parent_->AlignControls();
    if (resized && OnResize && !IsLoading())
        OnResize(this);
}

void TControl::StoreBounds(const TRect& bounds) { bounds_ = bounds; }

void TControl::SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }

TPoint TControl::ClientOrigin() const
{
    if (!parent_)
        return {Left(), Top()};
    const TPoint origin = parent_->ClientOrigin();
    return {origin.X + Left(), origin.Y + Top()};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X + origin.X, p.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint origin = ClientOrigin();
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->AlignControls();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    VisibleChanging();
    if (!visible && !dynamic_cast<TWinControl*>(this))
        Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (visible && !dynamic_cast<TWinControl*>(this))
        Invalidate();
    if (parent_ && align_ != TAlign::alNone)
        parent_->AlignControls();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on)
{
    if (on == parentColor_)
        return;
    parentColor_ = on;
    if (on && parent_)
        FollowParentColor();
}

void TControl::FollowParentColor()
{
    if (!parent_ || parent_->Color() == color_)
        return;
    color_ = parent_->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool on)
{
    if (on == parentFont_)
        return;
    parentFont_ = on;
    if (on && parent_)
        FollowParentFont();
}

void TControl::FollowParentFont()
{
    if (!parent_)
        return;
    followingParent_ = true;
    font_.Assign(parent_->Font());
    followingParent_ = false;
}

void TControl::FontChanged()
{
    // A font set on the control itself stops it following its parent.
    if (!followingParent_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool on)
{
    showHint_ = on;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool on)
{
    parentShowHint_ = on;
    if (on && parent_)
        showHint_ = parent_->ShowHint();
}

void TControl::Invalidate()
{
    if (!parent_ || !parent_->HandleAllocated())
        return;
    const RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(parent_->HandleValue(), &r, !(ControlStyle & csOpaque));
}

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!parent_)
        return;
    TWinControl* parent = parent_;
    parent->RemoveControl(this);
    parent->InsertControl(this);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::SendToParent(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (parent_)
        parent_->Perform(msg, wParam, lParam);
}

namespace {
unsigned ShiftFromKeys(WPARAM keys)
{
    unsigned shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}
} // namespace

void TControl::HandleMouse(TMessage& message)
{
    const int x = static_cast<short>(LOWORD(message.LParam));
    const int y = static_cast<short>(HIWORD(message.LParam));
    const unsigned shift = ShiftFromKeys(message.WParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        if (ControlStyle & csClickEvents)
            ControlState |= csClicked;
        ControlState |= csLButtonDown;
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbLeft, shift, x, y);
        break;
    case WM_LBUTTONUP: {
        const bool clicked = (ControlState & csClicked) != 0;
        ControlState &= ~(csClicked | csLButtonDown);
        if (OnMouseUp)
            OnMouseUp(this, TMouseButton::mbLeft, shift, x, y);
        // Windowed controls click when their window says so (buttons).
        if (clicked && !dynamic_cast<TWinControl*>(this) && ClientRect().Contains({x, y}))
            Click();
        break;
    }
    case WM_RBUTTONDOWN:
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbRight, shift, x, y);
        break;
    case WM_RBUTTONUP:
        if (OnMouseUp)
            OnMouseUp(this, TMouseButton::mbRight, shift, x, y);
        break;
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(this, shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick)
            OnDblClick(this);
        break;
    }
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
        HandleMouse(message);
        if (!dynamic_cast<TWinControl*>(this))
            return;
        break;
    case CM_MOUSEENTER:
        if (OnMouseEnter && message.LParam == 0)
            OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave && message.LParam == 0)
            OnMouseLeave(this);
        return;
    case CM_PARENTFONTCHANGED:
        if (parentFont_)
            FollowParentFont();
        return;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_)
            FollowParentColor();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        if (!dynamic_cast<TWinControl*>(this)) {
            Invalidate();
            return;
        }
        break;
    }
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) { }

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { }

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT && message.WParam) {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        const TSavedDC saved(dc);
        const TCanvasHandleScope onDC(canvas_, dc);
        Paint();
        return;
    }
    TControl::WndProc(message);
}

} // namespace pp
