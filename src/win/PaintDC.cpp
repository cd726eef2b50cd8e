#include "win/PaintDC.h"

#include "win/Handles.h"

namespace pp {

TPaintDC::TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_))
{
    if (dc_)
        detail::CountHandle(THandleKind::DC, +1);
}

TPaintDC::~TPaintDC()
{
    // EndPaint goes with every BeginPaint, whether or not it gave a context.
    EndPaint(window_, &paint_);
    if (dc_)
        detail::CountHandle(THandleKind::DC, -1);
}

} // namespace pp
