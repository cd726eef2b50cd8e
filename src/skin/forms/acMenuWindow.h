#pragma once
// The menu window adapter: each new window of the platform's menu class
// ("#32768") is subclassed while the skin manager skins popup menus, so
// that its frame and background come from the menu painter's background
// of that window and it takes the skin's menu opacity.
#include <windows.h>

namespace pp {

inline constexpr wchar_t MenuWindowClass[] = L"#32768";

class TacMnuWnd {
public:
    explicit TacMnuWnd(HWND window);
    TacMnuWnd(const TacMnuWnd&) = delete;
    TacMnuWnd& operator=(const TacMnuWnd&) = delete;
    ~TacMnuWnd();

    HWND Window() const { return window_; }
    // The background's region has been applied since the last erase.
    bool RegionApplied = false;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT SkinCommand(WPARAM wParam, LPARAM lParam);
    LRESULT PaintFrame(WPARAM wParam, LPARAM lParam);
    LRESULT EraseBackground(WPARAM wParam, LPARAM lParam);
    void HideUntilPainted(LPARAM lParam);
    void Destroyed();

    HWND window_;
    WNDPROC previous_;
};

// Opaque at 255 (no layered style); any other value gives the window that
// constant opacity.
void ApplyMenuOpacity(HWND window, int alphaBlend);

// Subclasses a menu window (nothing when it is skinned already); the
// adapter lives until the window is destroyed.
void AdaptMenuWindow(HWND window);
// Menu windows adapted and still alive.
int MenuWindowAdapterCount();

// Posted to the application window when an item was drawn without its
// menu window at hand: the open menu windows then paint their frames.
inline constexpr UINT PopupMenuRepaintMessage = 0xBCB3;
// Paints the frame of every adapted, visible menu window from its
// background; true (handled) while popups are skinned.
bool RepaintMenuWindowFrames();

// The menu branch of the window-creation hook: a new window of the menu
// class gets its adapter while popup menus are skinned.
void MenuWindowCreated(int code, WPARAM wParam, LPARAM lParam);

// Fills the skin manager's seams for the menus: the menu branch of the
// window-creation hook, the late frame repaint among the application
// window's messages (each after whatever its slot held), and the painter's
// reset on a new skin. Safe to call again.
void InstallSkinnedMenus();

} // namespace pp
