// What a binding tells its children about the background behind them, and
// what it asks its own parent.
#include "skin/paint/BackdropParentWin32.h"
#include "skin/paint/SectionLook.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/ColorOps.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"

#include <algorithm>

namespace pp {
namespace {

int ClampedState(const TsGeneralData& section, int state)
{
    return std::max(0, std::min(state, section.States - 1));
}

// The parent's window for a windowed control that has no parent control.
HWND ParentWindowOfControl(const TControl* control) { return ParentWindowOf(LiveWindowOf(control)); }

void FillArea(const BackdropRequest& request, TColor color)
{
    const auto dc = static_cast<HDC>(request.TargetDC);
    if (!dc)
        return;
    const TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    const RECT r{request.Area.Left, request.Area.Top, request.Area.Right, request.Area.Bottom};
    FillRect(dc, &r, brush.Get());
}

void CopyAreaFromCache(const BackdropRequest& request, TBitmap& cache)
{
    const auto dc = static_cast<HDC>(request.TargetDC);
    if (!dc || !cache.NativeHandle())
        return;
    const TMemoryDCHandle source(CreateCompatibleDC(dc));
    const TSelectObject selected(source.Get(), static_cast<HGDIOBJ>(cache.NativeHandle()));
    const TRect& a = request.Area;
    BitBlt(dc, a.Left, a.Top, a.Width(), a.Height(), source.Get(), a.Left + request.OffsetX,
           a.Top + request.OffsetY, SRCCOPY);
}

} // namespace

BackdropInfo TsCommonData::ParentBackdrop()
{
    BackdropInfo info;
    const TControl* surface = SurfaceControl();
    TControl* parentControl = surface ? surface->Parent() : nullptr;
    const HWND parentWindow = parentControl ? nullptr : ParentWindowOfControl(surface);
    if (!IsSkinned() || (!parentControl && !parentWindow)) {
        info.BackColor = ColorToRGB(EffectiveColor(0));
        return info;
    }
    BackdropRequest request;
    RequestParentBackdrop(request, parentControl, parentWindow, false);
    parentNotReady_ = request.Kind == bkNotReady;
    if (parentNotReady_) {
        info.BackColor = clKeyColor;
        return info;
    }
    const HWND window = LiveWindowOf(surface);
    AddRequesterPosition(request, parentControl || !window ? TPoint{surface->Left(), surface->Top()}
                                                           : WindowPositionInParent(window));
    return BackdropFromRequest(request);
}

void TsCommonData::AnswerWithOwnColor(BackdropRequest& request)
{
    request.Kind = bkColor;
    request.Color = OwnerColor();
}

void TsCommonData::AnswerBackdropRequest(BackdropRequest& request, int state, HWND window)
{
    request.Image = nullptr;
    const TsGeneralData* section = Section();
    if (!IsSkinned() || customColor_ || !section) {
        AnswerWithOwnColor(request);
        return;
    }
    state = ClampedState(*section, state);
    const TsGenState& block = section->Props[static_cast<std::size_t>(std::min(state, 1))];
    const TsLoadedSkin& skin = *Skin();
    const bool cacheFits = CacheBitmap && !CacheBitmap->Empty() && SurfaceControl() &&
                           CacheBitmap->Size() ==
                               TSize{SurfaceControl()->Width(), SurfaceControl()->Height()};
    if (block.Transparency == 0) {
        if (block.GradientPercent <= 0 && block.ImagePercent < 1 && !HasCornerImages(*section)) {
            request.Kind = bkColor;
            request.Color = EffectiveColor(state);
            if (BorderShownInNormalState(skin, BorderImageIndex)) {
                const TsMaskData& border = skin.Masks()[static_cast<std::size_t>(BorderImageIndex)];
                request.Image = CacheBitmap.get();
                request.OffsetX = request.OffsetY = 0;
                request.Margins[0] = MaskLeftBorder(border);
                request.Margins[1] = MaskTopBorder(border);
                request.Margins[2] = MaskRightBorder(border);
                request.Margins[3] = MaskBottomBorder(border);
            }
            if (request.PaintNow)
                FillArea(request, request.Color);
            return;
        }
        request.Color = SkinManager()->GetGlobalColor();
        if (!cacheFits) {
            request.Kind = bkNotReady;
            return;
        }
    } else if (block.Transparency >= 100) {
        // An empty cache holds no pixels to give: pass the question on, as
        // without a cache.
        if ((PaintFlags & pfParentBackground) || !CacheBitmap || CacheBitmap->Empty()) {
            PassRequestToParent(request, window);
            return;
        }
        if (BackgroundStale)
            SendSkinCommand(SurfaceControl(), SkinMsgClearStale);
    } else {
        if (!CacheBitmap) {
            request.Kind = bkColor;
            request.Color = clKeyColor;
            return;
        }
        if (CacheBitmap->Empty()) {
            PaintSuspended = true;
            request.Kind = bkNotReady;
            return;
        }
    }
    request.Kind = bkImage;
    if (request.PaintNow) {
        CopyAreaFromCache(request, *CacheBitmap);
        return;
    }
    request.Image = CacheBitmap.get();
    request.OffsetX = request.OffsetY = 0;
}

void TsCommonData::PassRequestToParent(BackdropRequest& request, HWND window)
{
    const TControl* surface = SurfaceControl();
    TControl* parentControl = surface ? surface->Parent() : nullptr;
    if (parentControl) {
        RequestParentBackdrop(request, parentControl, nullptr, request.PaintNow != 0);
        if (request.Image)
            AddRequesterPosition(request, {surface->Left(), surface->Top()});
        return;
    }
    const HWND parentWindow = window ? ParentWindowOf(window) : ParentWindowOfControl(surface);
    if (!parentWindow) {
        request.Kind = bkColor;
        request.Color = SkinManager()->GetGlobalColor();
        return;
    }
    RequestParentBackdrop(request, nullptr, parentWindow, false);
    if (request.Kind == bkImage)
        AddRequesterPosition(request, WindowPositionInParent(window ? window : LiveWindowOf(surface)));
}

TColor TsCommonData::ParentColor(HWND window)
{
    const TControl* surface = SurfaceControl();
    if (TControl* parent = surface ? surface->Parent() : nullptr) {
        if (QuerySkinCommand(parent, SkinMsgIsSkinned) == 1)
            return ColorToRGB(static_cast<TColor>(SendSkinCommand(parent, SkinMsgGetColor, parent->Color())));
        return ColorToRGB(parent->Color());
    }
    const HWND parentWindow = window ? ParentWindowOf(window) : ParentWindowOfControl(surface);
    if (parentWindow) {
        // A window that does not know the message answers 0: no information.
        const auto answer = static_cast<TColor>(
            SendSkinCommandToWindow(parentWindow, SkinMsgGetColor, clBtnFace));
        return ColorToRGB(answer != 0 ? answer : clBtnFace);
    }
    return ColorToRGB(clBtnFace);
}

TColor TsCommonData::EffectiveColor(int state, HWND window)
{
    const TsGeneralData* section = Section();
    if (!IsSkinned() || customColor_ || !section)
        return OwnerColor();
    const bool hot = state > 0 && section->States > 1;
    const TsGenState& block = section->Props[hot ? 1 : 0];
    if (block.Transparency <= 0)
        return block.Color;
    const TColor parent = ParentColor(window);
    if (block.Transparency >= 100)
        return parent;
    return BlendColors(parent, ColorToRGB(block.Color), block.Transparency / 100.0);
}

// The colour a child sees through this control, for SkinMsgGetColor.
LRESULT TsCommonData::GetColor()
{
    const TsGeneralData* section = Section();
    if (!IsSkinned() || !section)
        return static_cast<LRESULT>(ColorToRGB(OwnerColor()));
    const int transparency = section->Props[0].Transparency;
    if (transparency <= 0)
        return static_cast<LRESULT>(section->Props[0].Color);
    const TControl* surface = SurfaceControl();
    const TColor parent = surface && surface->Parent() ? ParentColor(nullptr) : ColorToRGB(OwnerColor());
    if (transparency >= 100)
        return static_cast<LRESULT>(parent);
    return static_cast<LRESULT>(
        BlendColors(parent, ColorToRGB(section->Props[0].Color), transparency / 100.0));
}

} // namespace pp
