#pragma once
// The root of the window adapters: an object that takes over a control's
// message handling, so that a standard control the skin knows nothing of
// paints from a skin section, and gives the handling back exactly as it was
// when released.
//
// A toolkit control has its message method (WindowProc) replaced; a plain
// window has its window procedure replaced by a stub that finds the adapter
// through a window property. Either way the adapter answers what it
// handles and passes the rest to what was there before.
#include "skin/controls/MessageTakeoverWin32.h"
#include "skin/paint/SkinBindingWin32.h"
#include "toolkit/Control.h"

#include <windows.h>

#include <memory>
#include <string>

namespace pp {

class TsSkinManager;
class TWinControl;

// The window property that links an adapted window to its adapter.
inline constexpr const wchar_t* AdapterProperty = L"TacMainWnd";

class TacMainWnd {
public:
    // `binding` may be null: the adapter then makes and owns one. An empty
    // `section` keeps the binding's own.
    TacMainWnd(HWND window, bool initialRepaint, const std::string& section, TsSkinManager* manager,
               TsCommonData* binding);
    TacMainWnd(const TacMainWnd&) = delete;
    TacMainWnd& operator=(const TacMainWnd&) = delete;
    // Gives the window back (see Release).
    virtual ~TacMainWnd();

    virtual void InitHook() { }
    virtual void ReleaseHook() { }
    virtual void FirstPaint() { PaintedOnce = true; }
    virtual void HandleAdapterMessage(TMessage& message);

    // Restores the control's style flags and, when the window and control
    // still exist, its message handling and the window property; runs
    // ReleaseHook. `giveBackWindow` false leaves the window alone (all
    // adapters dropped at once at shutdown, or the control already gone).
    void Release(bool giveBackWindow = true);
    // The control was freed: nothing of it may be touched any more.
    void ControlGone();

    HWND Handle() const { return window_; }
    TWinControl* Control() const { return control_; }
    TsCommonData* SkinData() const { return binding_; }
    TsSkinManager* SkinManager() const { return manager_; }
    bool Released() const { return released_; }
    bool PaintedOnce = false;
    bool DialogMode = false;
    const std::wstring& WindowText() const { return text_; }

    // The adapter linked to a window, or null.
    static TacMainWnd* FromWindow(HWND window);

protected:
    // Hands a message to the handling that was there before.
    void CallPrevious(TMessage& message);
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
    bool SkinActive() const;
    void RefreshTextCopy();

private:
    static LRESULT CALLBACK StubProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void TakeOver();
    void GiveBack();
    bool HandleSkinCommand(TMessage& message);
    bool HandleWindowMessage(TMessage& message);
    void RepaintAfterUpdate();

    HWND window_;
    TWinControl* control_;
    TsSkinManager* manager_;
    TsCommonData* binding_;
    std::unique_ptr<TsCommonData> ownBinding_;
    TMessageTakeover takeover_;
    WNDPROC previousProc_ = nullptr;
    unsigned savedStyle_ = 0;
    std::wstring text_;
    bool released_ = false;
};

} // namespace pp
