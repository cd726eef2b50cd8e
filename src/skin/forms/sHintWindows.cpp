#include "skin/forms/sHintWindows.h"

#include "skin/forms/SkinnedHint.h"
#include "skin/forms/sHintManager.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/HintShape.h"
#include "skin/paint/SkinMessages.h"
#include "skin/paint/TextOn32Win32.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace pp {

namespace {

// The simple style's anchor lies this far below the proposed position.
constexpr int SimplyAnchorDrop = 16;

TRect MonitorAround(TPoint point)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST);
    if (!GetMonitorInfoW(monitor, &info))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

} // namespace

TsCustomHintWindow::TsCustomHintWindow(TComponent* owner) : THintWindow(owner) { }

void TsCustomHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    // The shape and the shadow are drawn; a frame would square them off.
    params.Style &= ~WS_BORDER;
    params.ClassStyle &= ~CS_DROPSHADOW;
}

TRect TsCustomHintWindow::CalcHintRect(int maxWidth, const std::string& text)
{
    TsHintManager* manager = TsHintManager::Serving();
    if (!manager)
        return THintWindow::CalcHintRect(maxWidth, text);
    extra_ = {};
    if (const auto section = SkinnedHintSection(*manager)) {
        const TSize size = SkinnedHintSize(*section, text);
        return {0, 0, size.Width, size.Height};
    }
    const TsHintKind& kind = manager->HintKind();
    TMemoryDCHandle dc(CreateCompatibleDC(nullptr));
    TCanvas canvas(dc.Get());
    canvas.Font.Assign(kind.Font);
    TRect measured{0, 0, kind.MaxWidth, 0};
    canvas.DrawText(text, measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_VCENTER | DT_CENTER);
    const THintSize size = HintWindowSize(TSize{measured.Width(), measured.Height()}, kind);
    extra_ = size.Extra;
    return {0, 0, size.Size.Width, size.Size.Height};
}

void TsCustomHintWindow::ActivateHint(const TRect& rect, const std::string& text)
{
    TsHintManager* manager = TsHintManager::Serving();
    if (!manager || manager->HintKind().Style == THintStyle::hsNone)
        return;
    text_ = text;
    HWND window = Handle();
    SetWindowTextW(window, WideFromUtf8(text).c_str());
    const TPoint anchor = HintAnchor(*manager);
    const TsHintKind& kind = manager->HintKind();
    const THintPlacement placed = PlaceHint(TSize{rect.Width(), rect.Height()}, anchor, MonitorAround(anchor),
                                            kind.Style, manager->DefaultMousePos);
    tail_ = placed.Tail;
    ComposeImages(*manager, {placed.Rect.Width(), placed.Rect.Height()});
    Present(*manager, placed.Rect);
}

TPoint TsCustomHintWindow::HintAnchor(TsHintManager& manager)
{
    if (const auto proposed = manager.TakeHintPosition())
        return *proposed;
    POINT cursor{};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

TPoint TsSimplyHintWindow::HintAnchor(TsHintManager& manager)
{
    const TPoint anchor = TsCustomHintWindow::HintAnchor(manager);
    return {anchor.X, anchor.Y + SimplyAnchorDrop};
}

void TsCustomHintWindow::ComposeImages(TsHintManager& manager, TSize size)
{
    const auto section = SkinnedHintSection(manager);
    UsePlatformShadow(section && section->HasBorderImage && !section->FullyTransparent);
    if (section) {
        BuildSkinnedHintImages(images_, size, *section, text_);
        return;
    }
    TsHintKind& kind = manager.HintKind();
    const TBitmap* texture = kind.Texture.Empty() ? nullptr : &kind.Texture;
    BuildHintImages(images_, size, kind, tail_, texture, [&](TBitmap& body) { DrawHintText(manager, body); });
}

void TsCustomHintWindow::UsePlatformShadow(bool use)
{
    HWND window = Handle();
    const ULONG_PTR style = GetClassLongPtrW(window, GCL_STYLE);
    const ULONG_PTR wanted = use ? (style | CS_DROPSHADOW) : (style & ~ULONG_PTR(CS_DROPSHADOW));
    if (wanted != style)
        SetClassLongPtrW(window, GCL_STYLE, static_cast<LONG_PTR>(wanted));
}

void TsCustomHintWindow::DrawHintText(TsHintManager& manager, TBitmap& body)
{
    const TsHintKind& kind = manager.HintKind();
    const TRect bodyRect = HintBodyRect(body.Size(), kind, tail_);
    const int dx = kind.MarginH + kind.BevelWidth + extra_.Width / 2;
    const int dy = kind.MarginV + kind.BevelWidth + extra_.Height / 2;
    DrawTextOn32(body, kind.Font, text_, false, nullptr, false, -1, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX,
                 bodyRect.Inflate(-dx, -dy));
}

void TsCustomHintWindow::Present(TsHintManager& manager, const TRect& rect)
{
    HWND window = Handle();
    const bool wasVisible = IsWindowVisible(window);
    SetWindowPos(window, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_NOACTIVATE | SWP_NOREDRAW);
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    const bool fadeIn = manager.Animated && !wasVisible;
    fade_.Start(window, images_.Layered, HintOpacity(manager.HintKind().Transparency), fadeIn);
    if (!wasVisible)
        ShowWindow(window, SW_SHOWNOACTIVATE);
}

void TsCustomHintWindow::PaintWindow(HDC dc)
{
    // A layered window is drawn from its pushed image; this only serves a
    // window that is asked to paint anyway: body inside the shape, the
    // shadow's greys around it.
    if (images_.Body.Empty() || !images_.Work.NativeHandle() || !images_.Body.NativeHandle())
        return;
    TBitmap flat = images_.Work;
    for (int y = 0; y < flat.Height(); ++y)
        for (int x = 0; x < flat.Width(); ++x)
            if (InsideHintMask(images_.Mask.Pixel32(x, y)))
                flat.Pixel32(x, y) = images_.Body.Pixel32(x, y);
    const TMemoryDCHandle source(CreateCompatibleDC(dc));
    const TSelectObject selected(source.Get(), static_cast<HGDIOBJ>(flat.NativeHandle()));
    BitBlt(dc, 0, 0, flat.Width(), flat.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TsCustomHintWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_TIMER:
        if (fade_.Tick(HandleValue(), message.WParam))
            return;
        break;
    case SM_SKINCOMMAND:
        if (SkinCommandOf(message.WParam) == SkinMsgQueryTransparency) {
            message.Result = 1;
            return;
        }
        if (SkinCommandOf(message.WParam) == SkinMsgGetBackground) {
            if (auto* request = reinterpret_cast<BackdropRequest*>(message.LParam)) {
                request->Image = &images_.Body;
                request->OffsetX = request->OffsetY = 0;
                request->Kind = bkImage;
            }
            message.Result = 1;
            return;
        }
        break;
    case WM_DESTROY: fade_.Stop(HandleValue()); break;
    default: break;
    }
    THintWindow::WndProc(message);
}

} // namespace pp
