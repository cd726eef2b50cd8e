#include "win/WindowFrameDC.h"

#include "win/Handles.h"

namespace pp {

TWindowFrameDC::TWindowFrameDC(HWND window) : window_(window), dc_(GetWindowDC(window))
{
    if (dc_)
        detail::CountHandle(THandleKind::DC, +1);
}

TWindowFrameDC::~TWindowFrameDC()
{
    if (dc_) {
        ReleaseDC(window_, dc_);
        detail::CountHandle(THandleKind::DC, -1);
    }
}

} // namespace pp
