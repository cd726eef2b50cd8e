#include "skin/forms/sSkinableMenus.h"

#include "skin/forms/MenuExtraLine.h"
#include "skin/forms/MenuItemOwnerDraw.h"
#include "skin/forms/SystemFonts.h"
#include "skin/forms/acMenuWindow.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BackdropFill.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/DisabledItemBlend.h"
#include "skin/paint/MaskImage.h"
#include "skin/paint/PopupBackground.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/paint/SkinImage.h"
#include "skin/paint/SkinMessages.h"
#include "skin/pixels/KeyRegionWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "win/WindowFrameDC.h"

#include <algorithm>

namespace pp {
namespace {

// Toolkit items carry no images: every item keeps room for a small glyph.
constexpr TSize DefaultGlyph{16, 16};
// Text wider than this wraps when measured.
constexpr int MeasureWidth = 800;
constexpr UINT MeasureFormat = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK;
constexpr UINT ItemTextFormat = DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;
constexpr UINT WrappedTextFormat = DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER;
constexpr UINT CaptionItemFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_HIDEPREFIX;

bool IsHot(const TMenuItem& item, UINT state)
{
    return item.Enabled() && (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
}

TSize MeasureText(const std::string& text, int width)
{
    TBitmap probe(1, 1);
    TBitmapCanvas canvas(probe);
    AssignMenuFont(canvas.Font);
    const TSelectObject font(canvas.Handle(), canvas.Font.Handle());
    RECT r{0, 0, width, 0};
    const std::wstring wide = WideFromUtf8(text);
    DrawTextW(canvas.Handle(), wide.c_str(), static_cast<int>(wide.size()), &r, MeasureFormat);
    return {r.right - r.left, r.bottom - r.top};
}

BackdropInfo BackdropBehind(const TPopupBackgroundRecord* background, const TRect& r)
{
    if (!background) {
        BackdropInfo none;
        none.BackColor = clKeyColor;
        return none;
    }
    return BackdropFromBitmap(&background->Image, r.Left + background->ClientOffset.X,
                              r.Top + background->ClientOffset.Y);
}

void CopyBlock(HDC target, const TRect& r, HDC source)
{
    if (!r.IsEmpty())
        BitBlt(target, r.Left, r.Top, r.Width(), r.Height(), source, r.Left, r.Top, SRCCOPY);
}

const TMenuItem* FindPopupParent(HMENU menu, const TMenuItem& items, HMENU target)
{
    for (int i = 0; i < items.Count(); ++i) {
        const HMENU sub = GetSubMenu(menu, i);
        if (!sub)
            continue;
        if (sub == target)
            return items.Items(i);
        if (const TMenuItem* found = FindPopupParent(sub, *items.Items(i), target))
            return found;
    }
    return nullptr;
}

void PrepareTree(TsSkinableMenus& painter, HMENU menu, const TMenuItem& items, bool on)
{
    for (int i = 0; i < items.Count(); ++i)
        if (const HMENU sub = GetSubMenu(menu, i)) {
            painter.PreparePopupMenu(sub, *items.Items(i), on);
            PrepareTree(painter, sub, *items.Items(i), on);
        }
}

} // namespace

TsSkinableMenus& MenuPainter()
{
    static TsSkinableMenus painter;
    return painter;
}

namespace {
// One request waits in the queue at a time.
void AskForLateFrames(const TMenuItem& item)
{
    const HWND application = Application ? Application->Handle() : nullptr;
    MSG queued{};
    if (!application ||
        PeekMessageW(&queued, application, PopupMenuRepaintMessage, PopupMenuRepaintMessage, PM_NOREMOVE))
        return;
    PostMessageW(application, PopupMenuRepaintMessage, 0, reinterpret_cast<LPARAM>(&item));
}
} // namespace

const TMenuItem* PopupMenuParent(TMainMenu& menu, HMENU popup)
{
    return menu.HandleAllocated() ? FindPopupParent(menu.Handle(), menu.Items(), popup) : nullptr;
}

const TsLoadedSkin* TsSkinableMenus::Skin() const
{
    const TsSkinManager* manager = SkinEngine.DefaultManager;
    if (!manager || !manager->Active() || !manager->SkinnedPopups() || SkinEngine.SkinLoading)
        return nullptr;
    return manager->Skin().SkinData.Active ? &manager->Skin() : nullptr;
}

// The extra line is shown on every drop-down while the manager asks for it.
int TsSkinableMenus::ExtraLineWidth() const
{
    const TsSkinManager* manager = SkinEngine.DefaultManager;
    return manager && manager->MenuSupport.UseExtraLine ? std::max(0, manager->MenuSupport.ExtraLineWidth)
                                                        : 0;
}

TPopupMetrics TsSkinableMenus::Metrics() const { return {Margin, Spacing, BorderWidth, ExtraLineWidth()}; }

int TsSkinableMenus::SkinBorderWidth()
{
    if (skinBorderWidth_ < 0)
        if (const TsLoadedSkin* skin = Skin())
            skinBorderWidth_ = MenuSkinBorderWidth(*skin);
    return std::max(0, skinBorderWidth_);
}

void TsSkinableMenus::PreparePopupMenu(HMENU popup, const TMenuItem& parent, bool on)
{
    const bool skinned = on && Skin() != nullptr;
    for (int i = 0; i < parent.Count() && i < GetMenuItemCount(popup); ++i)
        SetOwnerDrawn(popup, i, parent.Items(i), skinned);
}

void TsSkinableMenus::PrepareMenuItems(TMainMenu& menu, bool on)
{
    if (menu.HandleAllocated())
        PrepareTree(*this, menu.Handle(), menu.Items(), on);
}

TSize TsSkinableMenus::MeasurePopupItem(const TMenuItem& item) const
{
    const TMenuItemKind kind = MenuItemKind(item.Caption());
    const std::string text = MeasuredItemText(kind, item.Caption(), {});
    const TSize textSize = MeasureText(text, kind == mkNormal ? MeasureWidth : 1);
    return PopupItemSize(kind, kind == mkDivider ? TSize{} : textSize, DefaultGlyph, Metrics());
}

const TPopupBackgroundRecord* TsSkinableMenus::FindBackground(HWND window) const
{
    for (const TPopupBackgroundRecord& record : cache_)
        if (record.Window == window)
            return &record;
    return nullptr;
}

const TPopupBackgroundRecord* TsSkinableMenus::BackgroundFor(HWND window)
{
    const TsLoadedSkin* skin = Skin();
    RECT outer{};
    if (!skin || !window || !GetWindowRect(window, &outer))
        return nullptr;
    const TSize size{outer.right - outer.left, outer.bottom - outer.top};
    auto found = std::find_if(cache_.begin(), cache_.end(),
                              [&](const auto& r) { return r.Window == window; });
    if (found != cache_.end() && found->Image.Size() == size)
        return &*found;
    POINT client{0, 0};
    ClientToScreen(window, &client);
    TPopupBackgroundLook look;
    if (SkinEngine.DefaultManager)
        look.IconColumnSection = SkinEngine.DefaultManager->MenuSupport.IcoLineSkin;
    look.IconColumnWidth = Margin + DefaultGlyph.Width + Spacing;
    look.ExtraLine = ExtraLineWidth();
    TPopupBackgroundRecord record{
        window, BuildPopupBackground(*skin, size, look), {client.x - outer.left, client.y - outer.top}};
    if (look.ExtraLine > 0)
        DrawExtraLineText(record.Image, ExtraLineStrip(size, look.ExtraLine, SkinBorderWidth()),
                          DefaultExtraLineText, SkinEngine.DefaultManager->MenuSupport.ExtraLineFont, *skin,
                          look.ExtraLineSection);
    ++BackgroundBuilds;
    ApplyRegion(window, *skin, size);
    if (found != cache_.end()) {
        *found = std::move(record);
        return &*found;
    }
    cache_.push_back(std::move(record));
    return &cache_.back();
}

// The window's corners are cut where the skin's menu border is key-coloured.
// A menu window reports whether its region is applied; a window that does
// not answer (not adapted) is left alone.
void TsSkinableMenus::ApplyRegion(HWND window, const TsLoadedSkin& skin, TSize size)
{
    if (applyingRegion_ ||
        SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgIsSkinned), 0) == 0 ||
        SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgSetSuspended), 0) != 0)
        return;
    const TFlagScope guard(applyingRegion_, true);
    SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(SkinMsgMenuRegion), 0);
    const TAOR cutouts = PopupCutouts(skin, size);
    if (cutouts.empty())
        return;
    TRegionHandle region(CreateRectRgn(0, 0, size.Width, size.Height));
    const TRegionHandle cut = RegionFromRects(cutouts);
    if (cut)
        CombineRgn(region.Get(), region.Get(), cut.Get(), RGN_DIFF);
    SetWindowRgn(window, region.Release(), TRUE);
}

void TsSkinableMenus::PaintWindowFrame(HWND window)
{
    auto found = std::find_if(cache_.begin(), cache_.end(),
                              [&](const auto& r) { return r.Window == window; });
    RECT client{};
    if (found == cache_.end() || !GetClientRect(window, &client))
        return;
    const TSize size = found->Image.Size();
    const TPoint at = found->ClientOffset;
    TBitmapCanvas source(found->Image);
    const TWindowFrameDC target(window);
    CopyBlock(target.Get(), {0, 0, size.Width, at.Y}, source.Handle());
    CopyBlock(target.Get(), {0, 0, at.X, size.Height}, source.Handle());
    CopyBlock(target.Get(), {at.X + client.right, 0, size.Width, size.Height}, source.Handle());
    CopyBlock(target.Get(), {0, at.Y + client.bottom, size.Width, size.Height}, source.Handle());
}

void TsSkinableMenus::DrawPopupItem(const TMenuItem& item, HDC dc, const TRect& r, UINT state)
{
    if (!Skin() || !dc || r.IsEmpty())
        return;
    const HWND window = WindowFromDC(dc);
    if (!window)
        AskForLateFrames(item);
    const TPopupBackgroundRecord* background = BackgroundFor(window);
    // A normal item leaves the extra line beside it to the background.
    const TRect area = MenuItemKind(item.Caption()) == mkNormal
                           ? TRect{std::min(r.Right, r.Left + ExtraLineWidth()), r.Top, r.Right, r.Bottom}
                           : r;
    if (area.IsEmpty())
        return;
    TBitmap work(area.Width(), area.Height());
    DrawItemInto(work, item, background, area, state);
    if (!item.Enabled() && background)
        BlendDisabledItem(work, background->Image,
                          {area.Left + background->ClientOffset.X, area.Top + background->ClientOffset.Y});
    TBitmapCanvas source(work);
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), source.Handle(), 0, 0, SRCCOPY);
    if (!background)
        return;
    const TMenuItem* parent = item.ParentItem();
    const bool first = parent && parent->Items(0) == &item;
    const bool last = parent && parent->Items(parent->Count() - 1) == &item;
    CopyClientMargins(dc, window, area, first, last);
    if (first || last)
        PaintWindowFrame(window);
}

void TsSkinableMenus::PaintOutsideItems(HWND window, HMENU menu)
{
    auto found = std::find_if(cache_.begin(), cache_.end(),
                              [&](const auto& r) { return r.Window == window; });
    RECT client{};
    if (found == cache_.end() || !menu || !GetClientRect(window, &client))
        return;
    const TPoint at = found->ClientOffset;
    // In window coordinates, as the frame context has them.
    TRegionHandle outside(CreateRectRgn(at.X, at.Y, at.X + client.right, at.Y + client.bottom));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        RECT item{};
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item))
            continue;
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&item), 2);
        const TRegionHandle covered(
            CreateRectRgn(item.left + at.X, item.top + at.Y, item.right + at.X, item.bottom + at.Y));
        CombineRgn(outside.Get(), outside.Get(), covered.Get(), RGN_DIFF);
    }
    TBitmapCanvas source(found->Image);
    const TWindowFrameDC target(window);
    SelectClipRgn(target.Get(), outside.Get());
    BitBlt(target.Get(), 0, 0, found->Image.Width(), found->Image.Height(), source.Handle(), 0, 0, SRCCOPY);
    SelectClipRgn(target.Get(), nullptr);
}

// The platform fills the client around the items with its own menu colour:
// beside the item, and above the first and below the last, the background
// shows instead.
void TsSkinableMenus::CopyClientMargins(HDC dc, HWND window, const TRect& area, bool first, bool last)
{
    auto found = std::find_if(cache_.begin(), cache_.end(),
                              [&](const auto& r) { return r.Window == window; });
    RECT client{};
    if (found == cache_.end() || !GetClientRect(window, &client))
        return;
    const TPoint at = found->ClientOffset;
    TBitmapCanvas source(found->Image);
    const auto copy = [&](const TRect& part) {
        if (!part.IsEmpty())
            BitBlt(dc, part.Left, part.Top, part.Width(), part.Height(), source.Handle(), part.Left + at.X,
                   part.Top + at.Y, SRCCOPY);
    };
    copy({0, area.Top, area.Left, area.Bottom});
    copy({area.Right, area.Top, client.right, area.Bottom});
    if (first)
        copy({0, 0, client.right, area.Top});
    if (last)
        copy({0, area.Bottom, client.right, client.bottom});
}

void TsSkinableMenus::DrawItemInto(TBitmap& work, const TMenuItem& item,
                                   const TPopupBackgroundRecord* background, const TRect& r, UINT state) const
{
    switch (MenuItemKind(item.Caption())) {
    case mkDivider: DrawDivider(work, background, r); return;
    case mkCaption: DrawCaptionItem(work, item, background, r); return;
    case mkNormal: DrawNormalItem(work, item, background, r, state); return;
    }
}

void TsSkinableMenus::DrawNormalItem(TBitmap& work, const TMenuItem& item,
                                     const TPopupBackgroundRecord* background, const TRect& r,
                                     UINT state) const
{
    const TsLoadedSkin& skin = *Skin();
    const BackdropInfo behind = BackdropBehind(background, r);
    const int section = skin.GetSkinIndex("MENUITEM");
    const bool hot = IsHot(item, state);
    if (section >= 0)
        RenderItemBySection(skin, section, behind, -1, -1, work, {0, 0}, work.Bounds(), hot ? 1 : 0);
    else
        CopyBackdropImage(work, work.Bounds(), behind, {0, 0});
    if (item.Checked())
        DrawCheckMark(work, item, hot);
    TBitmapCanvas canvas(work);
    AssignMenuFont(canvas.Font);
    const TRect textRect = PopupTextRect(work.Size(), DefaultGlyph, Metrics());
    const TTabbedCaption caption = SplitAtTab(item.Caption());
    const UINT hidePrefix = (state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    const UINT format = (caption.Text.find('\r') != std::string::npos ? WrappedTextFormat : ItemTextFormat) |
                        hidePrefix;
    DrawSectionText(canvas, caption.Text, true, &skin, hot, section, format, textRect);
    if (!caption.RightText.empty())
        DrawSectionText(canvas, caption.RightText, true, &skin, hot, section,
                        DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP | hidePrefix,
                        RightTextRect(textRect, work.Width()));
}

// Toolkit items carry no glyph, so a checked item always shows the skin's
// check image in the glyph column; a skin without one shows no mark.
void TsSkinableMenus::DrawCheckMark(TBitmap& work, const TMenuItem& item, bool hot) const
{
    const TsLoadedSkin& skin = *Skin();
    const int info = skin.GetSkinIndex(GlobalInfoSection);
    int mask = skin.GetMaskIndex(info, GlobalInfoSection, item.RadioItem() ? "RADIOCHECKED" : "CHECK");
    if (mask < 0 && !item.RadioItem())
        mask = skin.GetMaskIndex(info, GlobalInfoSection, "BOXCHECKED");
    const std::optional<TSkinImage> image = SkinImageAt(skin, mask);
    if (!image)
        return;
    const TPoint at{2 + Margin, (work.Height() - image->StateHeight()) / 2};
    DrawMaskImage(work, at, hot ? 1 : 0, BackdropFromBitmap(&work, 0, 0), *image, mmNormal);
}

void TsSkinableMenus::DrawDivider(TBitmap& work, const TPopupBackgroundRecord* background,
                                  const TRect& r) const
{
    const TsLoadedSkin& skin = *Skin();
    CopyBackdropImage(work, work.Bounds(), BackdropBehind(background, r), {0, 0});
    const int iconColumn = Margin + DefaultGlyph.Width + Spacing;
    const bool paintsIconColumn = SkinEngine.DefaultManager &&
                                  skin.GetSkinIndex(SkinEngine.DefaultManager->MenuSupport.IcoLineSkin) >= 0;
    const TDividerSpan span = DividerSpan(work.Width(), iconColumn, paintsIconColumn, Metrics());
    if (span.Right <= span.Left)
        return;
    const int divider = skin.GetSkinIndex("DIVIDERV");
    if (const auto image = SkinImageAt(skin, skin.GetMaskIndex(divider, "DIVIDERV", "BORDERSMASK"));
        divider >= 0 && image) {
        DrawBorderMask(work, {span.Left, 0, span.Right, work.Height()}, true, 0, *image,
                       BackdropFromBitmap(&work, 0, 0));
        return;
    }
    const TBGRA line = PixelFromColor(static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
    for (int x = span.Left; x < span.Right; ++x)
        work.Pixel32(x, 0) = line;
}

void TsSkinableMenus::DrawCaptionItem(TBitmap& work, const TMenuItem& item,
                                      const TPopupBackgroundRecord* background, const TRect& r) const
{
    const TsLoadedSkin& skin = *Skin();
    const BackdropInfo behind = BackdropBehind(background, r);
    CopyBackdropImage(work, work.Bounds(), behind, {0, 0});
    int section = skin.GetSkinIndex("MENUCAPTION");
    if (section < 0)
        section = skin.GetSkinIndex("TOOLBAR");
    const int extraLine = ExtraLineWidth();
    if (section >= 0 && work.Width() > extraLine + 2 && work.Height() > 2)
        RenderItemBySection(skin, section, behind, -1, -1, work, {0, 0},
                            {extraLine + 1, 1, work.Width() - 1, work.Height() - 1}, 0);
    TBitmapCanvas canvas(work);
    AssignMenuFont(canvas.Font);
    canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
    const TRect text{extraLine, Margin + 2, work.Width(), work.Height() - Margin - 2};
    DrawSectionText(canvas, CaptionItemHeading(item.Caption()), true, &skin, false, section,
                    CaptionItemFormat, text);
}

} // namespace pp
