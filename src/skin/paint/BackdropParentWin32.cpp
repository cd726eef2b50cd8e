#include "skin/paint/BackdropParentWin32.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "win/SavedDC.h"

#include <functional>

namespace pp {
namespace {

// The parent paints itself into the requester's context, shifted so that
// the requester's top-left pixel lands at the context's origin.
void PaintParentInto(const BackdropRequest& request, const std::function<void(UINT, WPARAM)>& send)
{
    const auto dc = static_cast<HDC>(request.TargetDC);
    if (!dc)
        return;
    const TSavedDC saved(dc);
    OffsetViewportOrgEx(dc, -request.OffsetX, -request.OffsetY, nullptr);
    const TRect area = request.Area.Offset(request.OffsetX, request.OffsetY);
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    send(WM_PAINT, reinterpret_cast<WPARAM>(dc));
}

} // namespace

void TControlBackdropParent::AskForBackdrop(BackdropRequest& request)
{
    SendSkinCommand(&parent_, SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
}

void TControlBackdropParent::PaintIntoTarget(const BackdropRequest& request)
{
    if (parent_.IsDestroying())
        return;
    PaintParentInto(request, [this](UINT msg, WPARAM dc) { parent_.Perform(msg, dc, 0); });
}

TColor TControlBackdropParent::FallbackColor()
{
    const auto answer = static_cast<TColor>(SendSkinCommand(&parent_, SkinMsgGetColor));
    return answer != 0 ? answer : ColorToRGB(parent_.Color());
}

void TWindowBackdropParent::AskForBackdrop(BackdropRequest& request)
{
    SendSkinCommandToWindow(parent_, SkinMsgGetBackground, reinterpret_cast<LPARAM>(&request));
}

void TWindowBackdropParent::PaintIntoTarget(const BackdropRequest& request)
{
    if (!IsWindow(parent_))
        return;
    PaintParentInto(request, [this](UINT msg, WPARAM dc) { SendMessageW(parent_, msg, dc, 0); });
}

TColor TWindowBackdropParent::FallbackColor()
{
    const TsSkinManager* manager = SkinEngine.DefaultManager;
    return manager ? manager->GetGlobalColor() : clBtnFace;
}

void RequestParentBackdrop(BackdropRequest& request, TControl* parentControl, HWND parentWindow,
                           bool paintNow)
{
    if (parentControl) {
        TControlBackdropParent parent(*parentControl);
        RequestParentBackdrop(request, parent, paintNow);
        return;
    }
    TWindowBackdropParent parent(parentWindow);
    RequestParentBackdrop(request, parent, paintNow);
}

TPoint WindowPositionInParent(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    POINT topLeft{r.left, r.top};
    if (const HWND parent = ParentWindowOf(window))
        ScreenToClient(parent, &topLeft);
    return {topLeft.x, topLeft.y};
}

} // namespace pp
