#include "skin/paint/OutputWindowWin32.h"

#include "skin/paint/EffectFormWin32.h"
#include "toolkit/Application.h"
#include "win/Handles.h"
#include "win/PaintDC.h"

namespace pp {

TOutputWindow::TOutputWindow(TWinControl& form) : TWinControl(nullptr), form_(form)
{
    Tag = EngineWindowTag;
    SetText("acOutputWindow");
    SetColor(clKeyColor);
    SetVisible(false);
    if (form.Parent()) {
        SetParent(form.Parent());
        SetBounds(form.Left(), form.Top(), form.Width(), form.Height());
    } else {
        RECT r{};
        GetWindowRect(form.Handle(), &r);
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

void TOutputWindow::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    if (Parent())
        return;
    params.Style = WS_POPUP;
    params.WndParent = Application ? Application->Handle() : nullptr;
    if (form_.HandleAllocated() && (GetWindowLongPtrW(form_.HandleValue(), GWL_EXSTYLE) & WS_EX_TOPMOST))
        params.ExStyle |= WS_EX_TOPMOST;
}

void TOutputWindow::ShowPicture(const TBitmap& picture)
{
    picture_ = &picture;
    HWND window = Handle();
    if (!IsWindowVisible(window)) {
        // Above the form, so that the form repaints unseen beneath it.
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    const TWindowDCHandle dc(window);
    Draw(dc.Get());
}

void TOutputWindow::Draw(HDC dc) const
{
    if (!dc || !picture_ || !picture_->NativeHandle())
        return;
    TMemoryDCHandle source(CreateCompatibleDC(dc));
    const TSelectObject selected(source.Get(), static_cast<HBITMAP>(picture_->NativeHandle()));
    BitBlt(dc, 0, 0, picture_->Width(), picture_->Height(), source.Get(), 0, 0, SRCCOPY);
}

void TOutputWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_NCPAINT: message.Result = 0; return;
    case WM_PAINT: {
        const TPaintDC dc(HandleValue());
        Draw(dc.Get());
        return;
    }
    }
    TWinControl::WndProc(message);
}

} // namespace pp
