// The frame's measures, its copy onto the window and the window region.
#include "skin/forms/FrameSkin.h"

#include "skin/paint/AnimationState.h"
#include "skin/paint/SkinImage.h"
#include "skin/pixels/KeyRegionWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Menu.h"
#include "win/WindowFrameDC.h"

namespace pp {
namespace {

bool HasCaption(LONG style) { return (style & WS_CAPTION) == WS_CAPTION; }

} // namespace

// The side frames are as thick as the platform made them: half the
// difference of the window's and the client's width (the sizing frame and,
// on later platforms, its padding).
int TsFrameSkin::FrameThickness(const RECT& outer, const RECT& client) const
{
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    if (IsIconic(Window())) {
        // A minimized window has no client area to measure against.
        if (style & WS_THICKFRAME)
            return GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
        return (style & WS_BORDER) ? GetSystemMetrics(SM_CXDLGFRAME) : 0;
    }
    return std::max(0, static_cast<int>((outer.right - outer.left) - client.right) / 2);
}

int TsFrameSkin::CaptionHeight() const
{
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    if (!HasCaption(style) && !IsIconic(Window()))
        return 0;
    const bool toolWindow = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    return toolWindow && !IsIconic(Window()) ? heights_.SmallCaption : heights_.Caption;
}

bool TsFrameSkin::ShowsMenuLine() const
{
    TMainMenu* menu = form_.Menu();
    return menu && menu->Items().Count() > 0 && form_.BorderStyle() != TFormBorderStyle::bsDialog &&
           GetMenu(Window()) != nullptr;
}

int TsFrameSkin::MenuLines() const
{
    if (menuLineCount_ >= 0)
        return menuLineCount_;
    const HWND window = Window();
    RECT item{};
    if (!ShowsMenuLine() || IsIconic(window) || !GetMenuItemRect(window, GetMenu(window), 0, &item) ||
        item.bottom == item.top)
        return 0;
    POINT clientTop{0, 0};
    ClientToScreen(window, &clientTop);
    menuLineCount_ = MenuLineCount(item.bottom, clientTop.y, heights_.Menu);
    return menuLineCount_;
}

TFrameMeasures TsFrameSkin::Measures() const
{
    TFrameMeasures m;
    const HWND window = Window();
    if (!window)
        return m;
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    m.Width = outer.right - outer.left;
    m.Height = outer.bottom - outer.top;
    m.ClientWidth = client.right;
    m.ClientHeight = client.bottom;
    m.Frame = FrameThickness(outer, client);
    m.Caption = CaptionHeight();
    m.Maximized = IsMaximized();
    if (ShowsMenuLine()) {
        m.MenuLine = heights_.Menu - 1;
        m.MenuLines = MenuLines();
    }
    return m;
}

TPoint TsFrameSkin::ClientOffset() const
{
    const TFrameMeasures m = Measures();
    return {(m.Width - m.ClientWidth) / 2, TitleHeight(m)};
}

TMenuBarBackdrop TsFrameSkin::MenuBarBackdrop() const
{
    const TFrameMeasures m = Measures();
    return {binding_.Skin(), &menuLineImage_, {0, HeaderBottom(m)}};
}

void TsFrameSkin::RepaintFrame()
{
    const HWND window = Window();
    if (!window || !IsWindowVisible(window) || !DrawNonClientArea || !binding_.IsSkinned() ||
        AnimationState.FormAnimation)
        return;
    InvalidateFrame();
    PaintNonClient();
}

void TsFrameSkin::PaintNonClient()
{
    const HWND window = Window();
    // A form animation shows pictures of its own meanwhile.
    if (!window || !IsWindowVisible(window) || AnimationState.FormAnimation)
        return;
    const TFrameMeasures m = Measures();
    if (!EnsureFrameImage(m))
        return;
    if (regionDirty_) {
        BuildCutouts(m);
        ApplyRegion(false);
    }
    const TWindowFrameDC dc(window);
    const HDC source = ImageDC();
    for (const TRect& strip : NonClientStrips(m))
        BitBlt(dc.Get(), strip.Left, strip.Top, strip.Width(), strip.Height(), source, strip.Left, strip.Top,
               SRCCOPY);
}

void TsFrameSkin::CopyToWindow(const TRect& r)
{
    const HWND window = Window();
    if (!window || !IsWindowVisible(window) || AnimationState.FormAnimation || !FrameImage())
        return;
    const TWindowFrameDC dc(window);
    BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), ImageDC(), r.Left, r.Top, SRCCOPY);
}

HDC TsFrameSkin::ImageDC()
{
    if (!imageCanvas_)
        imageCanvas_ = std::make_unique<TBitmapCanvas>(*binding_.CacheBitmap);
    return imageCanvas_->Handle();
}

// The corners of the form's border mask (top band at row 0, bottom band at
// the window's bottom) and of the caption's border mask (top band) are cut
// where their pixels are key-coloured.
void TsFrameSkin::BuildCutouts(const TFrameMeasures& m)
{
    cutouts_.clear();
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin)
        return;
    if (const auto border = SkinImageAt(*skin, binding_.BorderImageIndex)) {
        CornerCutouts(cutouts_, m.Width, MaskImageViewOf(*border), false, 0);
        CornerCutouts(cutouts_, m.Width, MaskImageViewOf(*border), true, m.Height - border->Bottom);
    }
    const int title = skin->GetSkinIndex("FORMTITLE");
    if (title >= 0)
        if (const auto border = SkinImageAt(
                *skin, skin->Sections()[static_cast<std::size_t>(title)].BorderMaskIndex))
            CornerCutouts(cutouts_, m.Width, MaskImageViewOf(*border), false, 0);
}

void TsFrameSkin::ApplyRegion(bool redraw)
{
    const HWND window = Window();
    regionDirty_ = false;
    const TFrameMeasures m = Measures();
    if (m.Maximized) {
        const TRect shown = MaximizedRegionRect(m);
        TRegionHandle region(CreateRectRgn(shown.Left, shown.Top, shown.Right, shown.Bottom));
        SetWindowRgn(window, region.Release(), redraw);
        return;
    }
    TRegionHandle region(CreateRectRgn(0, 0, m.Width, m.Height));
    const TRegionHandle cut = RegionFromRects(cutouts_);
    if (cut)
        CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
    SetWindowRgn(window, region.Release(), redraw);
}

} // namespace pp
