#include "toolkit/HintWindow.h"

#include "toolkit/Application.h"
#include "win/Text.h"

namespace pp {

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
    SetColor(Application ? Application->HintColor : 0xE1FFFF);
    Font().SetColor(SystemColorFlag | COLOR_INFOTEXT_INDEX);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = Application ? Application->Handle() : nullptr;
    params.ClassStyle |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text)
{
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    TCanvas canvas(dc.Get());
    canvas.Font.Assign(Font());
    TRect rect{0, 0, maxWidth, 0};
    canvas.DrawText(text, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Room for the border and a little air around the text.
    return {0, 0, rect.Right + 6, rect.Bottom + 2};
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text)
{
    text_ = text;
    HWND window = Handle();
    SetWindowTextW(window, WideFromUtf8(text).c_str());
    SetWindowPos(window, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window, nullptr, TRUE);
}

void THintWindow::PaintWindow(HDC dc)
{
    TCanvas canvas(dc);
    canvas.Font.Assign(Font());
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    TRect rect = ClientRect().Inflate(-2, 0);
    canvas.DrawText(text_, rect, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

} // namespace pp
