#pragma once
// The menu painter: the items of a skinned form's drop-down and sub-menus,
// owner-drawn over a background painted once per open menu window ("MAINMENU"
// with its border), each item with the "MENUITEM" look, its text and tab
// text; dividers and caption items ("-word-") have looks of their own, and
// disabled items keep 40 percent of their look.
#include "core/Bitmap.h"
#include "core/Geometry.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/PopupItemGeometry.h"
#include "toolkit/Menu.h"

#include <windows.h>

#include <vector>

namespace pp {

// The background of one open menu window and where its client area lies in it.
struct TPopupBackgroundRecord {
    HWND Window = nullptr;
    TBitmap Image;
    TPoint ClientOffset;
};

class TsSkinableMenus {
public:
    int Margin = 2;
    int Spacing = 8;
    int BorderWidth = 3;
    // Backgrounds painted so far (one per open menu window).
    int BackgroundBuilds = 0;

    // The painter works only while the default skin manager is active with
    // a usable skin and skins popup menus.
    const TsLoadedSkin* Skin() const;

    // The items of `popup`, the platform menu of `parent`'s sub-items, become
    // owner-drawn (on) or drawn by the platform again (off).
    void PreparePopupMenu(HMENU popup, const TMenuItem& parent, bool on);
    // The same for the sub-menus of every item of `menu` below the bar.
    void PrepareMenuItems(TMainMenu& menu, bool on);

    TSize MeasurePopupItem(const TMenuItem& item) const;
    // Paints `item` into `r` (client coordinates of the menu window that
    // owns `dc`) in owner-draw state `state`.
    void DrawPopupItem(const TMenuItem& item, HDC dc, const TRect& r, UINT state);

    // The background of a menu window, painted on first need and again
    // when the window's size changed; null without a skin.
    const TPopupBackgroundRecord* BackgroundFor(HWND window);
    // An already painted background; null when none.
    const TPopupBackgroundRecord* FindBackground(HWND window) const;
    // Copies the background's frame (everything outside the client area)
    // onto the window.
    void PaintWindowFrame(HWND window);
    // After the platform painted a menu window (its own border and margins
    // around the items, on some platforms inside the client area): the
    // background there instead. `menu` is the platform menu it shows.
    void PaintOutsideItems(HWND window, HMENU menu);
    void ClearPopupCache() { cache_.clear(); }
    // Read once per skin: the border width of the "MAINMENU" border image.
    int SkinBorderWidth();
    void ResetSkinBorderWidth() { skinBorderWidth_ = -1; }

    // Width of the extra line of every drop-down; 0 without one.
    int ExtraLineWidth() const;

private:
    TPopupMetrics Metrics() const;
    void DrawItemInto(TBitmap& work, const TMenuItem& item, const TPopupBackgroundRecord* background,
                      const TRect& r, UINT state) const;
    void DrawNormalItem(TBitmap& work, const TMenuItem& item, const TPopupBackgroundRecord* background,
                        const TRect& r, UINT state) const;
    void DrawCheckMark(TBitmap& work, const TMenuItem& item, bool hot) const;
    void DrawDivider(TBitmap& work, const TPopupBackgroundRecord* background, const TRect& r) const;
    void DrawCaptionItem(TBitmap& work, const TMenuItem& item, const TPopupBackgroundRecord* background,
                         const TRect& r) const;

    void ApplyRegion(HWND window, const TsLoadedSkin& skin, TSize size);
    void CopyClientMargins(HDC dc, HWND window, const TRect& area, bool first, bool last);

    std::vector<TPopupBackgroundRecord> cache_;
    bool applyingRegion_ = false;
    int skinBorderWidth_ = -1;
};

// The one painter of the process, used by every skinned form.
TsSkinableMenus& MenuPainter();

// The item whose sub-items `popup` shows; null when the menu has none.
const TMenuItem* PopupMenuParent(TMainMenu& menu, HMENU popup);

} // namespace pp
