#include "skin/forms/acMenuWindow.h"

#include "skin/forms/sSkinableMenus.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinMessages.h"
#include "toolkit/Canvas.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace pp {
namespace {

constexpr int Opaque = 255;

std::vector<std::unique_ptr<TacMnuWnd>>& Adapters()
{
    static std::vector<std::unique_ptr<TacMnuWnd>> adapters;
    return adapters;
}

TacMnuWnd* AdapterOf(HWND window)
{
    for (const auto& adapter : Adapters())
        if (adapter->Window() == window)
            return adapter.get();
    return nullptr;
}

bool IsMenuWindow(HWND window)
{
    wchar_t name[16]{};
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, MenuWindowClass) == 0;
}

bool SkinsPopups()
{
    const TsSkinManager* manager = SkinEngine.DefaultManager;
    return manager && manager->Active() && manager->SkinnedPopups();
}

int MenuAlphaBlend()
{
    return SkinEngine.DefaultManager ? SkinEngine.DefaultManager->MenuSupport.AlphaBlend : Opaque;
}

} // namespace

TacMnuWnd::TacMnuWnd(HWND window)
    : window_(window),
      previous_(reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TacMnuWnd::WindowProc))))
{
}

TacMnuWnd::~TacMnuWnd()
{
    if (previous_ && IsWindow(window_))
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
}

LRESULT CALLBACK TacMnuWnd::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (TacMnuWnd* adapter = AdapterOf(window))
        return adapter->HandleMessage(msg, wParam, lParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT TacMnuWnd::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(previous_, window_, msg, wParam, lParam);
}

LRESULT TacMnuWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case SM_SKINCOMMAND: return SkinCommand(wParam, lParam);
    case WM_NCPAINT: return PaintFrame(wParam, lParam);
    case WM_ERASEBKGND: return EraseBackground(wParam, lParam);
    case WM_WINDOWPOSCHANGING: HideUntilPainted(lParam); return CallPrevious(msg, wParam, lParam);
    case WM_PAINT: {
        const LRESULT result = CallPrevious(msg, wParam, lParam);
        MenuPainter().PaintOutsideItems(window_, reinterpret_cast<HMENU>(CallPrevious(MN_GETHMENU, 0, 0)));
        return result;
    }
    case WM_NCDESTROY: {
        const LRESULT result = CallPrevious(msg, wParam, lParam);
        Destroyed(); // frees this adapter
        return result;
    }
    default: return CallPrevious(msg, wParam, lParam);
    }
}

LRESULT TacMnuWnd::SkinCommand(WPARAM wParam, LPARAM lParam)
{
    switch (SkinCommandOf(wParam)) {
    case SkinMsgIsSkinned: return 1;
    case SkinMsgSetSuspended: return RegionApplied ? 1 : 0;
    case SkinMsgMenuRegion: RegionApplied = IsWindowVisible(window_) != FALSE; return 0;
    default: return CallPrevious(SM_SKINCOMMAND, wParam, lParam);
    }
}

// The frame is the painter's background of this window, painted by the
// first item drawn; before that the platform's frame stays.
LRESULT TacMnuWnd::PaintFrame(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (MenuPainter().FindBackground(window_))
        MenuPainter().PaintWindowFrame(window_);
    else
        result = CallPrevious(WM_NCPAINT, wParam, lParam);
    ApplyMenuOpacity(window_, MenuAlphaBlend());
    return result;
}

// A translucent menu shows nothing until its first skinned frame paint
// gives it its opacity; an opaque one is never made layered at all.
void TacMnuWnd::HideUntilPainted(LPARAM lParam)
{
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!position || !(position->flags & SWP_SHOWWINDOW) || IsWindowVisible(window_) ||
        MenuAlphaBlend() >= Opaque)
        return;
    ApplyMenuOpacity(window_, 0);
}

LRESULT TacMnuWnd::EraseBackground(WPARAM wParam, LPARAM lParam)
{
    const TPopupBackgroundRecord* background = MenuPainter().BackgroundFor(window_);
    const auto dc = reinterpret_cast<HDC>(wParam);
    RECT client{};
    if (!background || !dc || !GetClientRect(window_, &client))
        return CallPrevious(WM_ERASEBKGND, wParam, lParam);
    TBitmap& image = const_cast<TBitmap&>(background->Image);
    TBitmapCanvas source(image);
    BitBlt(dc, 0, 0, client.right, client.bottom, source.Handle(), background->ClientOffset.X,
           background->ClientOffset.Y, SRCCOPY);
    RegionApplied = false;
    return 1;
}

// A menu level closed: every background goes (the others are painted again
// when their windows next draw an item), and this adapter with its window.
void TacMnuWnd::Destroyed()
{
    MenuPainter().ClearPopupCache();
    const HWND window = window_;
    auto& adapters = Adapters();
    const auto found = std::find_if(adapters.begin(), adapters.end(),
                                    [&](const auto& a) { return a->Window() == window; });
    if (found != adapters.end())
        adapters.erase(found);
}

void ApplyMenuOpacity(HWND window, int alphaBlend)
{
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (alphaBlend >= Opaque) {
        if (exStyle & WS_EX_LAYERED)
            SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    if (!(exStyle & WS_EX_LAYERED))
        SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(std::max(0, alphaBlend)), LWA_ALPHA);
}

void AdaptMenuWindow(HWND window)
{
    if (!window || AdapterOf(window) ||
        SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgIsSkinned), 0))
        return;
    Adapters().push_back(std::make_unique<TacMnuWnd>(window));
}

int MenuWindowAdapterCount() { return static_cast<int>(Adapters().size()); }

bool RepaintMenuWindowFrames()
{
    if (!SkinsPopups())
        return false;
    for (const auto& adapter : Adapters())
        if (IsWindowVisible(adapter->Window()) && MenuPainter().BackgroundFor(adapter->Window()))
            MenuPainter().PaintWindowFrame(adapter->Window());
    return true;
}

void MenuWindowCreated(int code, WPARAM wParam, LPARAM)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && SkinsPopups() && IsMenuWindow(window))
        AdaptMenuWindow(window);
}

void InstallSkinnedMenus()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    auto previous = SkinManagerSeams.WindowCreation;
    SkinManagerSeams.WindowCreation = [previous](int code, WPARAM wParam, LPARAM lParam) {
        if (previous)
            previous(code, wParam, lParam);
        MenuWindowCreated(code, wParam, lParam);
    };
    auto previousMessage = SkinManagerSeams.ApplicationMessage;
    SkinManagerSeams.ApplicationMessage = [previousMessage](TMessage& message) {
        if (message.Msg == PopupMenuRepaintMessage)
            return RepaintMenuWindowFrames();
        return previousMessage && previousMessage(message);
    };
    auto previousReset = SkinManagerSeams.ResetMenuBorderWidth;
    SkinManagerSeams.ResetMenuBorderWidth = [previousReset] {
        if (previousReset)
            previousReset();
        MenuPainter().ResetSkinBorderWidth();
        MenuPainter().ClearPopupCache();
    };
}

} // namespace pp
