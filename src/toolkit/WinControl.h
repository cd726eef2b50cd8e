#pragma once
// A control with a window of its own: the window is made on first use from
// the control's create parameters, its class registered under ClassName(),
// and its messages routed into the control's WindowProc.
#include "toolkit/Control.h"
#include "toolkit/GraphicsObjects.h"

#include <string>
#include <vector>

namespace pp {

// What a windowed control asks the platform for when its window is made.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_DBLCLKS;
    HBRUSH Background = nullptr;
    HCURSOR Cursor = nullptr;
    HICON Icon = nullptr;
    // The class registered for the control, named after ClassName().
    std::wstring WinClassName;
    // When not empty, the system class this one is a superclass of.
    std::wstring SystemClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    HWND Handle();
    HWND HandleValue() const { return handle_.Get(); }
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    void RecreateWnd();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The child control at a client point, windowless ones included; the
    // topmost visible one wins.
    TControl* ControlAtPos(TPoint point, bool allowDisabled) const;

    int TabOrder = -1;
    bool TabStop = false;
    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;
    void SetText(const std::string& text) override;

    // Controls described inside this one become its children.
    void InsertDescribedChild(TComponent* child) override;

    // Finds the toolkit control behind a window, or null.
    static TWinControl* FromHandle(HWND window);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Lets the window's class procedure handle the message.
    void DefWndProc(TMessage& message);

    // Children call these.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Places aligned children; called when the client area changes.
    void AlignControls();
    // Paints the windowless children over an area of this control's surface.
    void PaintControls(HDC dc, const TRect& clip);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // After the window exists: fonts, texts and state sent to it.
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void InitializeWindow() { }
    virtual void PaintWindow(HDC dc);
    std::string GetText() const override;
    void BoundsChanged() override;
    void VisibleChanging() override;
    void UpdateShowing();
    HWND ParentWindow() const;

    TBrush brush_;

private:
    friend LRESULT CALLBACK ToolkitWindowProc(HWND, UINT, WPARAM, LPARAM);
    void MainWndProc(TMessage& message);
    void HandlePaint(TMessage& message);
    void HandleEraseBackground(TMessage& message);
    bool ReflectNotification(TMessage& message);
    bool ForwardMouseToChild(TMessage& message);
    void NotifyChildren(UINT msg);
    void FollowWindowPosition();
    void AttachWindow(HWND window);

    TWindowHandle handle_;
    WNDPROC defWndProc_ = nullptr;
    bool systemClass_ = false;
    bool aligning_ = false;
    std::vector<TControl*> controls_;
};

// Registers (once) the window class a control asks for and answers the
// default procedure of that class (the system class's for a superclass).
WNDPROC RegisterToolkitClass(const TCreateParams& params);

} // namespace pp
