#pragma once
// Owners for every GDI and USER handle the program makes. Each owner keeps a
// live count per kind, because the platform's own resource counters are not
// available everywhere we run; the leak test compares the counts before and
// after.
#include <windows.h>

#include <utility>

namespace pp {

enum class THandleKind {
    DC,
    Bitmap,
    Font,
    Brush,
    Pen,
    Region,
    Menu,
    Window,
    Icon,
    Module,
    Theme,
    Hook,
    Kernel,
    Count
};

// Handles of one kind currently held by owners.
long LiveHandleCount(THandleKind kind);
// "DC", "Bitmap", ...: for messages.
const char* HandleKindName(THandleKind kind);

namespace detail {
void CountHandle(THandleKind kind, int delta);
} // namespace detail

// Frees a handle of one kind; the release function is the platform's.
template <class H, THandleKind Kind, auto Free> class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(H handle) : handle_(handle)
    {
        if (handle_)
            detail::CountHandle(Kind, +1);
    }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;
    TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) { }
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~TOwnedHandle() { Reset(); }

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(H handle = nullptr)
    {
        if (handle_) {
            Free(handle_);
            detail::CountHandle(Kind, -1);
        }
        handle_ = handle;
        if (handle_)
            detail::CountHandle(Kind, +1);
    }
    // Hands the handle to another owner outside this scheme (a submenu given
    // to its parent menu, which destroys it along with itself).
    H Release()
    {
        if (handle_)
            detail::CountHandle(Kind, -1);
        return std::exchange(handle_, nullptr);
    }

private:
    H handle_ = nullptr;
};

namespace detail {
inline void FreeGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void FreeMemoryDC(HDC h) { DeleteDC(h); }
inline void FreeMenu(HMENU h) { DestroyMenu(h); }
inline void FreeWindow(HWND h) { DestroyWindow(h); }
inline void FreeIcon(HICON h) { DestroyIcon(h); }
inline void FreeHook(HHOOK h) { UnhookWindowsHookEx(h); }
inline void FreeKernelObject(HANDLE h) { CloseHandle(h); }
} // namespace detail

using TBitmapHandle = TOwnedHandle<HBITMAP, THandleKind::Bitmap, detail::FreeGdiObject>;
using TFontHandle = TOwnedHandle<HFONT, THandleKind::Font, detail::FreeGdiObject>;
using TBrushHandle = TOwnedHandle<HBRUSH, THandleKind::Brush, detail::FreeGdiObject>;
using TPenHandle = TOwnedHandle<HPEN, THandleKind::Pen, detail::FreeGdiObject>;
using TRegionHandle = TOwnedHandle<HRGN, THandleKind::Region, detail::FreeGdiObject>;
using TMemoryDCHandle = TOwnedHandle<HDC, THandleKind::DC, detail::FreeMemoryDC>;
using TMenuHandle = TOwnedHandle<HMENU, THandleKind::Menu, detail::FreeMenu>;
using TWindowHandle = TOwnedHandle<HWND, THandleKind::Window, detail::FreeWindow>;
using TIconHandle = TOwnedHandle<HICON, THandleKind::Icon, detail::FreeIcon>;
using THookHandle = TOwnedHandle<HHOOK, THandleKind::Hook, detail::FreeHook>;
// Processes, threads, events: everything CloseHandle frees.
using TKernelHandle = TOwnedHandle<HANDLE, THandleKind::Kernel, detail::FreeKernelObject>;

// A window's device context from GetDC, given back with ReleaseDC.
class TWindowDCHandle {
public:
    explicit TWindowDCHandle(HWND window);
    // A context from GetDCEx with `flags`.
    TWindowDCHandle(HWND window, DWORD flags);
    TWindowDCHandle(const TWindowDCHandle&) = delete;
    TWindowDCHandle& operator=(const TWindowDCHandle&) = delete;
    ~TWindowDCHandle();
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Puts an object into a device context for one scope and puts the previous
// one back, so that owned objects are never deleted while selected.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) { }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;
    ~TSelectObject()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace pp
