#pragma once
// A device context on a whole window, frame included (GetWindowDC), given
// back with ReleaseDC and counted with the other contexts.
#include <windows.h>

namespace pp {

class TWindowFrameDC {
public:
    explicit TWindowFrameDC(HWND window);
    TWindowFrameDC(const TWindowFrameDC&) = delete;
    TWindowFrameDC& operator=(const TWindowFrameDC&) = delete;
    ~TWindowFrameDC();
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace pp
