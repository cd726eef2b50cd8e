#pragma once
// Controls with and without a window. Every control has one replaceable
// message method, WindowProc, through which all its messages pass: platform
// messages of its window, the toolkit's notifications and messages sent to a
// windowless control with Perform. Code that wants to watch or take over a
// control saves WindowProc, puts its own in its place, calls the saved one
// for what it leaves alone, and puts the saved one back when done.
#include "core/Geometry.h"
#include "toolkit/Canvas.h"
#include "toolkit/Component.h"
#include "toolkit/GraphicsObjects.h"
#include "toolkit/Messages.h"

#include <functional>
#include <string>
#include <vector>

namespace pp {

class TWinControl;

using TWndMethod = std::function<void(TMessage&)>;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32
};
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, unsigned shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, unsigned shift, int x, int y)>;

// Control style flags.
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,
    csSetCaption = 1u << 3,
    csOpaque = 1u << 4, // paints its whole area; the parent need not paint behind it
    csDoubleClicks = 1u << 5,
    csParentBackground = 1u << 6,
};

// Control state flags.
enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csCreating = 1u << 2, // the window is being created
    csReadingState = 1u << 3,
    csFocusing = 1u << 4,
    csDestroyingHandle = 1u << 5,
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // The replaceable message method; starts as the control's own WndProc.
    TWndMethod WindowProc;
    // Sends a message through WindowProc and answers its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void InsertDescribedChild(TComponent* child) override;

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    int Right() const { return bounds_.Right; }
    int Bottom() const { return bounds_.Bottom; }
    TRect BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents (and the top one has a shown window).
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);

    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    virtual void SetText(const std::string& text);

    std::string Hint;
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);

    unsigned ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    unsigned ControlState = 0;
    bool UseRightToLeftReading() const { return false; }

    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    virtual void Click();

    // The control's own message handling (what WindowProc starts as).
    virtual void WndProc(TMessage& message);
    // Handling of messages nobody else answered.
    virtual void DefaultHandler(TMessage& message);

protected:
    virtual std::string GetText() const { return text_; }
    virtual void BoundsChanged() { }
    // Records where the window actually is, without moving it.
    void StoreBounds(const TRect& bounds);
    virtual void VisibleChanging() { }
    void FontChanged();
    void ColorChanged() { Perform(CM_COLORCHANGED); }
    void SendToParent(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    std::string text_;

private:
    void HandleMouse(TMessage& message);
    void FollowParentFont();
    void FollowParentColor();

    TWinControl* parent_ = nullptr;
    TRect bounds_;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool followingParent_ = false;
};

// A control without a window, painted by its parent on the parent's surface.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    std::string ClassName() const override { return "TGraphicControl"; }
    // Valid while the control paints.
    TCanvas& Canvas() { return canvas_; }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() { }

private:
    TCanvas canvas_;
};

} // namespace pp
