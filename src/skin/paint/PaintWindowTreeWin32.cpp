#include "skin/paint/PaintWindowTreeWin32.h"

#include "skin/paint/BackdropRequest.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/Fills.h"
#include "toolkit/Form.h"
#include "win/Handles.h"
#include "win/SavedDC.h"

namespace pp {
namespace {

// A form inside a parent that is not visible yet shows what lies behind it.
bool PaintHiddenChildForm(TBitmap& bitmap, TControl& control)
{
    auto* form = dynamic_cast<TCustomForm*>(&control);
    if (!form || !form->Parent() || form->Visible() || !form->Parent()->HandleAllocated())
        return false;
    BackdropRequest request;
    SendSkinCommandToWindow(form->Parent()->HandleValue(), SkinMsgGetBackground,
                            reinterpret_cast<LPARAM>(&request));
    const TRect area = TRect::FromBounds(0, 0, form->Width(), form->Height());
    if (request.Kind == bkImage && request.Image)
        CopyImageWithKey(bitmap, *request.Image, -(request.OffsetX + form->Left()),
                         -(request.OffsetY + form->Top()), clNoKeyColor);
    else
        FillPixels32(bitmap, area, request.Color, 0xFF);
    return true;
}

void PrintSkinned(HDC dc, TControl& control, HWND window)
{
    SendSkinCommand(&control, SkinMsgSetPrintTarget, reinterpret_cast<LPARAM>(dc));
    if (window)
        SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
    else
        control.Perform(WM_PRINT, reinterpret_cast<WPARAM>(dc), 0);
    SendSkinCommand(&control, SkinMsgSetPrintTarget, 0);
}

// Where a window's client area starts within the window: its children are
// placed from there, below a form's caption and inside its frame.
TPoint ClientOrigin(HWND window)
{
    RECT outer{};
    POINT client{0, 0};
    if (!GetWindowRect(window, &outer) || !ClientToScreen(window, &client))
        return {};
    return {client.x - outer.left, client.y - outer.top};
}

void PaintTree(HDC dc, TControl& control, bool clip)
{
    if (clip)
        IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    if (!windowed) {
        PrintSkinned(dc, control, nullptr);
        return;
    }
    HWND window = windowed->Handle();
    if (IsSkinCommandTrue(window, SkinMsgIsSkinned))
        PrintSkinned(dc, control, window);
    else
        SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    const TPoint origin = ClientOrigin(window);
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
        if (!child || !child->Visible())
            continue;
        const TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, origin.X + child->Left(), origin.Y + child->Top(), nullptr);
        PaintTree(dc, *child, true);
    }
}

} // namespace

void PaintWindowTree(TBitmap& bitmap, TControl& control, const TSeparateBorder* border)
{
    if (!border && PaintHiddenChildForm(bitmap, control))
        return;
    if (!bitmap.NativeHandle())
        return;
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    {
        const TSelectObject picture(dc.Get(), static_cast<HBITMAP>(bitmap.NativeHandle()));
        const TSavedDC saved(dc.Get());
        PaintTree(dc.Get(), control, !border);
        GdiFlush();
    }
    if (border)
        SetRectAlpha(bitmap, border->ClientRect.Offset(border->Offset.X, border->Offset.Y), 0xFF,
                     clNoKeyColor);
}

} // namespace pp
