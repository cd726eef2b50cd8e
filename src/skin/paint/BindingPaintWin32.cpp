// Painting through the binding's cache: marking it stale and redrawing the
// owner, composing the item into it, and copying it to the window.
#include "skin/paint/BackdropParentWin32.h"
#include "skin/paint/CornerPieces.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"
#include "win/SavedDC.h"

namespace pp {
namespace {

constexpr UINT RedrawOwner = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

// Children that paint over the cache's area themselves keep their pixels.
bool LeftOutOfCopy(const TControl& child)
{
    return !dynamic_cast<const TWinControl*>(&child) || (child.ControlStyle & csOpaque) ||
           child.IsDesigning();
}

void ExcludeChildren(const TControl& control, HDC dc, const TRect& target, int offsetX, int offsetY)
{
    const auto* container = dynamic_cast<const TWinControl*>(&control);
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        const TControl& child = *container->Controls(i);
        if (!child.Visible() || !LeftOutOfCopy(child) || IntersectRect(child.BoundsRect(), target).IsEmpty())
            continue;
        const TRect r = child.BoundsRect().Offset(offsetX, offsetY);
        ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    }
}

} // namespace

void TsCommonData::InvalidateOwner(bool updateNow)
{
    if (OwnerHas(csLoading | csDestroying))
        return;
    BackgroundStale = true;
    if (formHost_) {
        if (const HWND window = LiveWindowOf(&formHost_->HostForm()))
            RedrawWindow(window, nullptr, nullptr, RedrawOwner);
        return;
    }
    if (!CanPaintNow(HostControl))
        return;
    if (const HWND window = LiveWindowOf(HostControl))
        RedrawWindow(window, nullptr, nullptr, RedrawOwner | (updateNow ? RDW_UPDATENOW : 0));
    else
        HostControl->Repaint();
}

bool TsCommonData::ComposeItem(int state)
{
    if (!IsSkinned())
        return false;
    FitCacheBitmap();
    const BackdropInfo backdrop = ParentBackdrop();
    RenderItem(ItemBinding(), backdrop, true, *CacheBitmap, {0, 0}, CacheBitmap->Bounds(), state);
    BackgroundStale = parentNotReady_;
    HalfShown = false;
    return true;
}

void RefreshCacheCorners(TControl& control, TsCommonData& binding)
{
    TBitmap* cache = binding.CacheBitmap.get();
    const TsLoadedSkin* skin = binding.Skin();
    if (!cache || !skin || !control.Parent())
        return;
    TControlBackdropParent parent(*control.Parent());
    RefreshCornerPieces(*cache, *skin, binding.BorderImageIndex, binding.CurrentState(), ccAllCorners, parent,
                        {control.Left(), control.Top()});
}

void CopyCacheToWindow(TControl& control, TsCommonData& binding, const TRect& source, int offsetX,
                       int offsetY, bool refreshCorners, HDC dc, const TRect& target)
{
    TBitmap* cache = binding.CacheBitmap.get();
    if (!cache || !dc || !cache->NativeHandle())
        return;
    if (refreshCorners)
        RefreshCacheCorners(control, binding);
    const TSavedDC saved(dc);
    IntersectClipRect(dc, target.Left, target.Top, target.Right, target.Bottom);
    ExcludeChildren(control, dc, target, offsetX, offsetY);
    const TMemoryDCHandle cacheDC(CreateCompatibleDC(dc));
    const TSelectObject selected(cacheDC.Get(), static_cast<HGDIOBJ>(cache->NativeHandle()));
    BitBlt(dc, target.Left, target.Top, target.Width(), target.Height(), cacheDC.Get(), source.Left,
           source.Top, SRCCOPY);
}

} // namespace pp
