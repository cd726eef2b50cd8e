#pragma once
// The device context of one WM_PAINT. BeginPaint at construction and
// EndPaint when the scope ends, also when painting throws: a paint event of
// the user's that fails must still validate the window and give the context
// back, or the window would be sent WM_PAINT again and again.
#include <windows.h>

namespace pp {

class TPaintDC {
public:
    explicit TPaintDC(HWND window);
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    ~TPaintDC();

    // Null when the platform gave no context; there is nothing to paint then.
    HDC Get() const { return dc_; }
    // The part of the client area that needs painting.
    const RECT& PaintRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace pp
