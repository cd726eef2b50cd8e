#include "skin/paint/EffectFormWin32.h"

namespace pp {

TacEffectForm::TacEffectForm(TComponent* owner, DWORD exStyle, bool hitTransparent)
    : TForm(owner), exStyle_(exStyle), hitTransparent_(hitTransparent)
{
    Tag = EngineWindowTag;
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetVisible(false);
}

void TacEffectForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = exStyle_ | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WndParent = nullptr;
}

void TacEffectForm::ShowAbove(HWND above, const TRect& screenRect)
{
    HWND window = Handle();
    const bool topmost = above && (GetWindowLongPtrW(above, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND insertAfter = above ? GetWindow(above, GW_HWNDPREV) : nullptr;
    if (!insertAfter || insertAfter == window)
        insertAfter = topmost ? HWND_TOPMOST : HWND_TOP;
    SetWindowPos(window, insertAfter, screenRect.Left, screenRect.Top, screenRect.Width(),
                 screenRect.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void TacEffectForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        if (hitTransparent_) {
            message.Result = HTTRANSPARENT;
            return;
        }
        break;
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    }
    TForm::WndProc(message);
}

} // namespace pp
