#include "skin/forms/FormSnapshot.h"

#include "skin/paint/PaintWindowTreeWin32.h"
#include "skin/pixels/Fills.h"
#include "toolkit/Form.h"

namespace pp {

TBitmap FormSnapshot(TCustomForm& form)
{
    if (!form.HandleAllocated())
        return {};
    RECT r{};
    GetWindowRect(form.HandleValue(), &r);
    if (r.right <= r.left || r.bottom <= r.top)
        return {};
    TBitmap picture(r.right - r.left, r.bottom - r.top);
    PaintWindowTree(picture, form);
    SetRectAlpha(picture, picture.Bounds(), 0xFF, clNoKeyColor);
    return picture;
}

} // namespace pp
