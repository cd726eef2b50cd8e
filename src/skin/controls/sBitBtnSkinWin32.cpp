// The bitmap button under a skin: its cache composed from the skin
// section, the window region cut to the border's corners, and the messages
// it answers while skinned.
#include "skin/controls/sBitBtnWin32.h"

#include "skin/controls/ButtonFadeBindingWin32.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/paint/BackdropParentWin32.h"
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/FadeTimerWin32.h"
#include "skin/paint/FocusDots.h"
#include "skin/paint/ItemBackground.h"
#include "skin/paint/ItemTextWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "skin/pixels/ColorOps.h"
#include "skin/pixels/Fills.h"
#include "skin/pixels/KeyRegionWin32.h"
#include "skin/pixels/KeyedPixels.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "win/PaintDC.h"

#include <optional>

namespace pp {

bool TsBitBtn::PaintsSkinned() const { return CanPaintNow(this) && SkinData.IsSkinned(true); }

namespace {

// What lies behind the button; none while the parent's cache is not built
// (the parent repaints its children once it is).
std::optional<BackdropInfo> ReadyParentBackdrop(TsBitBtn& button)
{
    TWinControl* parent = button.Parent();
    if (!parent)
        return button.SkinData.ParentBackdrop();
    BackdropRequest request;
    RequestParentBackdrop(request, parent, nullptr, false);
    if (request.Kind == bkNotReady)
        return std::nullopt;
    AddRequesterPosition(request, {button.Left(), button.Top()});
    return BackdropFromRequest(request);
}

void ApplyColorChanges(TBitmap& cache, int hueOffset, int saturation)
{
    if (hueOffset != 0)
        ApplyToPixels(cache, RotateHue, hueOffset, clKeyColor);
    if (saturation != 0)
        ApplyToPixels(cache, AdjustSaturation, saturation, clKeyColor);
}

} // namespace

bool TsBitBtn::PrepareCache(bool printing)
{
    const std::optional<BackdropInfo> ready = ReadyParentBackdrop(*this);
    if (!ready) {
        SkinData.PaintSuspended = true;
        return false;
    }
    const BackdropInfo& backdrop = *ready;
    backdropHadImage_ = backdrop.HasImage;
    SkinData.FitCacheBitmap();
    TBitmap& cache = *SkinData.CacheBitmap;
    const TsLoadedSkin& skin = *SkinData.Skin();
    const TsGeneralData& section = *SkinData.Section();
    const TButtonPaintState state = PaintState();
    const int image = SkinImageForState(state, section.States);
    RenderItemBackground(skin, SkinData.SectionIndex, backdrop, SkinData.ItemBinding().CustomColor,
                         SkinData.PatternIndex, SkinData.HotPatternIndex, cache, {0, 0}, cache.Bounds(),
                         image);
    const std::optional<TSkinImage> border = SkinImageAt(skin, SkinData.BorderImageIndex);
    const bool borderShows = border && (image != 0 || !(border->DrawMode & dmHiddenInState0));
    if (borderShows && drawOverBorder_)
        DrawSkinnedBorder(cache, *border, image, backdrop, printing);
    ApplyColorChanges(cache, SkinData.HueOffset(), SkinData.Saturation());
    {
        TBitmapCanvas canvas(cache);
        const TBitBtnLayoutResult layout = ComputeLayout(canvas);
        if (showCaption_)
            DrawSkinnedCaption(canvas, layout.CaptionRect, state);
        GdiFlush();
        DrawFocusFrame(cache, layout.CaptionRect);
        DrawGlyph(cache, layout.GlyphPos, state);
    }
    if (borderShows && !drawOverBorder_)
        DrawSkinnedBorder(cache, *border, image, backdrop, printing);
    if (!Enabled())
        DimToBackground(cache, static_cast<int>(disabledKind_), ColorToRGB(Color()), cache.Bounds(),
                        backdrop);
    if (OnPaint)
        OnPaint(this, cache);
    SkinData.BackgroundStale = false;
    return true;
}

void TsBitBtn::DrawSkinnedCaption(TCanvas& canvas, const TRect& rect, TButtonPaintState state)
{
    const std::string caption = Caption();
    if (caption.empty())
        return;
    canvas.Font.Assign(Font());
    const TRect place = state == TButtonPaintState::Pressed ? rect.Offset(1, 1) : rect;
    const bool hot = state != TButtonPaintState::Normal;
    DrawItemText(canvas, caption, Enabled(), hot, SkinData.TextSource(hot), CaptionFlags() | DT_END_ELLIPSIS,
                 place);
}

void TsBitBtn::DrawFocusFrame(TBitmap& cache, const TRect& captionRect)
{
    const TsSkinManager* manager = SkinData.SkinManager();
    const TsGeneralData* section = SkinData.Section();
    if (!Enabled() || !manager || !manager->ButtonsOptions.ShowFocusRect || !Focused() || Caption().empty() ||
        !section || !section->ShowFocus || !showFocus_ || !showCaption_)
        return;
    const TsGenState& look = section->Props[FocusDotsImage(section->States) > 0 ? 1 : 0];
    DrawFocusDots(cache, captionRect.Inflate(FocusMargin + 1, FocusMargin), clNoKeyColor,
                  look.FontColor[fcMain]);
}

void TsBitBtn::DrawSkinnedBorder(TBitmap& cache, const TSkinImage& border, int image,
                                 const BackdropInfo& backdrop, bool printing)
{
    DrawBorderMask(cache, cache.Bounds(), true, image, border, backdrop);
    if (WantsWindowRegion({regionChanged_, border.CornerKey, IsDesigning(), printing, false}))
        CutWindowRegion(border, image);
}

// The button's rectangle less the key-coloured pixels of the border's
// corner pieces: the corners are laid as keys first, and the border drawn
// over them without anything behind leaves its key pixels so.
void TsBitBtn::CutWindowRegion(const TSkinImage& border, int image)
{
    const int w = Width(), h = Height();
    TBitmap shape(w, h);
    shape.Fill(PixelFromColor(clWhite));
    const TRect corners[] = {{0, 0, border.Left, border.Top},
                             {w - border.Right, 0, w, border.Top},
                             {0, h - border.Bottom, border.Left, h},
                             {w - border.Right, h - border.Bottom, w, h}};
    for (const TRect& corner : corners)
        FillPixels32(shape, corner, clKeyColor, 255);
    BackdropInfo nothing;
    nothing.BackColor = clKeyColor;
    DrawBorderMask(shape, shape.Bounds(), true, image, border, nothing);
    pendingRegion_ = RegionWithoutKeyColor(shape, clKeyColor);
    regionCorners_ = {border.Left, border.Top, border.Right, border.Bottom};
}

void TsBitBtn::ApplyWindowRegion(bool printing)
{
    if (!pendingRegion_ || printing || !HandleAllocated())
        return;
    // The window owns the region from here on; it redraws only the first time.
    const bool first = !regionApplied_;
    SetWindowRgn(HandleValue(), pendingRegion_.Release(), first ? TRUE : FALSE);
    regionApplied_ = true;
    regionChanged_ = false;
    const TRect now = BoundsRect();
    if (!first)
        UncoverOldCorners(now);
    regionBounds_ = now;
}

// A button that shrank leaves its old corners on the parent's surface; a
// parent painted from a picture repaints them with its children anyway.
void TsBitBtn::UncoverOldCorners(const TRect& now)
{
    const TRect& old = regionBounds_;
    const HWND parent = Parent() ? Parent()->HandleValue() : nullptr;
    if (!parent || backdropHadImage_ || (now.Width() >= old.Width() && now.Height() >= old.Height()))
        return;
    const TRect& c = regionCorners_;
    const RECT corners[] = {{old.Right - c.Right, old.Top, old.Right, old.Top + c.Top},
                            {old.Right - c.Right, old.Bottom - c.Bottom, old.Right, old.Bottom},
                            {old.Left, old.Bottom - c.Bottom, old.Left + c.Left, old.Bottom}};
    for (const RECT& corner : corners)
        InvalidateRect(parent, &corner, TRUE);
}

void TsBitBtn::ResetWindowRegion()
{
    pendingRegion_ = TRegionHandle();
    if (HandleAllocated())
        SetWindowRgn(HandleValue(), nullptr, TRUE);
    regionApplied_ = false;
}

bool TsBitBtn::FadeRunning() const { return fade_ && fade_->Enabled(); }

void TsBitBtn::StopFading() { StopFade(fade_); }

void TsBitBtn::FadeFor(TFadeEvent event)
{
    const TsSkinManager* manager = SkinData.SkinManager();
    const bool wanted = manager && EventFades(event, AnimatEvents, manager->AnimEffects.Buttons);
    // Press and release fade in half the section's steps.
    const bool halve = event == feMouseDown || event == feMouseUp;
    FadeOnStateChange(fade_, *fadeBinding_, event == feMouseLeave ? fdOut : fdIn, halve, wanted);
}

void TsBitBtn::MousePressed(const TMessage& message)
{
    SkinData.PaintSuspended = false;
    mouseClicked_ = true;
    if (message.Msg != WM_LBUTTONDOWN)
        return;
    // Hints off while the press is handled: a hint that shows goes away.
    savedShowHint_ = Application->ShowHint;
    Application->ShowHint = false;
    Application->CancelHint();
    if (down_)
        return;
    regionChanged_ = true;
    SkinData.PaintSuspended = SkinData.MustWait(false);
    SkinData.BackgroundStale = false;
    FadeFor(feMouseDown);
}

void TsBitBtn::MouseReleased()
{
    if (!mouseClicked_) {
        StopFading();
        return;
    }
    mouseClicked_ = false;
    if (FadeRunning()) {
        // A quick click: the press fade had no time to show the pressed
        // look, so it shows now, for a moment, before the release fade.
        fade_->SetEnabled(false);
        SkinData.BackgroundStale = true;
        ForcePressedLook = true;
        Repaint();
        ForcePressedLook = false;
        Sleep(PressedLookHoldMs);
    }
    SkinData.PaintSuspended = false;
    regionChanged_ = true;
    SkinData.BackgroundStale = false;
    FadeFor(feMouseUp);
}

void TsBitBtn::PaintSkinned(HDC dc, bool printing)
{
    SkinData.PaintSuspended = SkinData.MustWait(false);
    // The fade paints its own frames.
    if (SkinData.PaintSuspended || FadeRunning())
        return;
    if (!SkinData.HalfShown && !SkinData.BackgroundStale && Parent())
        SkinData.BackgroundStale = QuerySkinCommand(Parent(), SkinMsgQueryHalfShown) != 0;
    else
        SkinData.BackgroundStale = true;
    const TRect inParent = BoundsRect();
    SkinData.HalfShown = !Parent() || IntersectRect(inParent, Parent()->ClientRect()) != inParent;
    if (Spacing() != lastSpacing_) {
        lastSpacing_ = Spacing();
        SkinData.BackgroundStale = true;
    }
    if ((SkinData.BackgroundStale || IsDesigning()) && !PrepareCache(printing))
        return;
    ApplyWindowRegion(printing);
    const TRect whole = ClientRect();
    CopyCacheToWindow(*this, SkinData, whole, 0, 0, regionApplied_, dc, whole);
}

bool TsBitBtn::HandleSkinCommand(TMessage& message)
{
    const TSkinCommand command = SkinCommandOf(message.WParam);
    switch (command) {
    case SkinMsgSetSkin:
    case SkinMsgRemoveSkin:
    case SkinMsgRefresh:
        if (reinterpret_cast<TsSkinManager*>(message.LParam) != SkinData.SkinManager())
            return true;
        StopFading();
        if (command == SkinMsgRemoveSkin) {
            if (IsDestroying())
                return true;
            SkinData.HandleSkinMessage(message);
            ResetWindowRegion();
        } else {
            if (command == SkinMsgRefresh)
                ResetWindowRegion();
            SkinData.HandleSkinMessage(message);
        }
        regionChanged_ = true;
        if (command != SkinMsgSetSkin)
            Repaint();
        return true;
    case SkinMsgIsSkinned: message.Result = 1; return true;
    case SkinMsgGetApplication: message.Result = reinterpret_cast<LRESULT>(Application); return true;
    case SkinMsgRepaintAfterUpdate:
        if (!PaintsSkinned())
            return false;
        if (SkinData.MustWait(false)) {
            SkinData.PaintSuspended = false;
            Repaint();
        }
        return true;
    case SkinMsgClearStale: message.Result = PaintsSkinned() && !PrepareCache() ? 1 : 0; return true;
    case SkinMsgStopFading:
        StopFading();
        Repaint();
        return true;
    case SkinMsgFadeFrame:
        // The fade shows its frame itself; a region made meanwhile is stale.
        pendingRegion_ = TRegionHandle();
        return false;
    default: return false;
    }
}

bool TsBitBtn::HandleSkinnedMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT: {
        if (message.WParam) {
            PaintSkinned(reinterpret_cast<HDC>(message.WParam), false);
            return true;
        }
        const TPaintDC paint(HandleValue());
        if (paint.Get() && !SkinEngine.SkinLoading)
            PaintSkinned(paint.Get(), false);
        return true;
    }
    case WM_PRINTCLIENT:
        regionChanged_ = true;
        SkinData.PaintSuspended = false;
        PaintSkinned(reinterpret_cast<HDC>(message.WParam), true);
        return true;
    case WM_ERASEBKGND:
        if (SkinData.CacheBitmap && !SkinData.CacheBitmap->Empty() && !SkinData.BackgroundStale &&
            !FadeRunning())
            CopyCacheToWindow(*this, SkinData, ClientRect(), 0, 0, false,
                              reinterpret_cast<HDC>(message.WParam), ClientRect());
        message.Result = 1;
        return true;
    case WM_UPDATEUISTATE:
    case WM_ENABLE: return true; // no native repaint over the skinned look
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING: regionChanged_ = true; return false;
    case WM_MOVE: {
        // A translucent button shows what lies behind it at its new place.
        const TsGeneralData* section = SkinData.Section();
        if (section && (section->Props[0].Transparency > 0 ||
                        (section->Props[1].Transparency > 0 && SkinData.IsHot()))) {
            SkinData.BackgroundStale = true;
            Repaint();
        }
        return false;
    }
    case WM_WINDOWPOSCHANGED:
        regionChanged_ = true;
        SkinData.BackgroundStale = true;
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: MousePressed(message); return false;
    case WM_KILLFOCUS: StopFading(); return false;
    default: return false;
    }
}

void TsBitBtn::SpaceReleased()
{
    StopFading();
    regionChanged_ = true;
    SkinData.BackgroundStale = true;
    RemoveControlGlow(SkinData);
    Repaint();
}

void TsBitBtn::AfterCommonHandling(const TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN: Application->ShowHint = savedShowHint_; break;
    case WM_LBUTTONUP: MouseReleased(); break;
    case WM_KEYUP:
    case CM_DIALOGCHAR:
        if (message.WParam == VK_SPACE && (message.Msg == WM_KEYUP || Focused()))
            SpaceReleased();
        break;
    case CM_CANCELMODE: RemoveControlGlow(SkinData); break;
    case CM_ENABLEDCHANGED:
        if (!Enabled())
            StopFading();
        [[fallthrough]];
    case CM_FONTCHANGED:
        SkinData.PaintSuspended = false;
        SkinData.InvalidateOwner();
        break;
    case CM_VISIBLECHANGED:
        SkinData.BackgroundStale = true;
        SkinData.PaintSuspended = false;
        Repaint();
        break;
    case WM_KILLFOCUS:
        SkinData.HasFocus = false;
        RemoveControlGlow(SkinData);
        [[fallthrough]];
    case WM_SETFOCUS:
    case CM_TEXTCHANGED:
    case CM_BUTTONSTYLE: SkinData.InvalidateOwner(); break;
    default: break;
    }
}

} // namespace pp
