#include "skin/forms/MenuBarPainter.h"

#include "skin/forms/MenuItemOwnerDraw.h"
#include "skin/forms/SystemFonts.h"
#include "skin/paint/BackdropFill.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/pixels/Blend.h"
#include "toolkit/Canvas.h"

#include <algorithm>

namespace pp {
namespace {

// Room the item text keeps from the item's sides.
constexpr int ItemMargin = 2;
// A disabled item keeps this much (of 256) of its own look over the line.
constexpr int DisabledItemWeight = 102;
constexpr UINT MenuBarTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP;

std::string WithoutAccessMarks(const std::string& caption)
{
    std::string text = caption;
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

bool Hot(const TMenuItem& item, UINT state)
{
    return item.Enabled() && (state & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
}

void PaintItemBackground(const TMenuBarBackdrop& backdrop, const BackdropInfo& behind, TBitmap& work,
                         bool hot)
{
    const int section = backdrop.Skin->GetSkinIndex("MENUITEM");
    if (section < 0) {
        CopyBackdropImage(work, work.Bounds(), behind, {0, 0});
        return;
    }
    RenderItemBySection(*backdrop.Skin, section, behind, -1, -1, work, {0, 0}, work.Bounds(), hot ? 1 : 0);
}

void DrawItemCaption(const TMenuBarBackdrop& backdrop, const TMenuItem& item, TBitmap& work, UINT state)
{
    TBitmapCanvas canvas(work);
    AssignMenuFont(canvas.Font);
    if (state & ODS_DEFAULT)
        canvas.Font.SetStyle(canvas.Font.Style() | fsBold);
    const TRect text{ItemMargin * 2, 0, work.Width(), work.Height()};
    const UINT format = MenuBarTextFormat | ((state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    DrawSectionText(canvas, item.Caption(), item.Enabled(), backdrop.Skin, Hot(item, state),
                    backdrop.Skin->GetSkinIndex("MENULINE"), format, text);
}

} // namespace

void PrepareMenuBar(TMainMenu& menu, bool on)
{
    TMenuItem& items = menu.Items();
    if (items.Count() == 0)
        return;
    const HMENU bar = menu.Handle();
    for (int i = 0; i < items.Count(); ++i)
        SetOwnerDrawn(bar, i, items.Items(i), on);
}

TSize MeasureMenuBarItem(const TMenuItem& item)
{
    TBitmap probe(1, 1);
    TBitmapCanvas canvas(probe);
    AssignMenuFont(canvas.Font);
    return {canvas.TextWidth(WithoutAccessMarks(item.Caption())), GetSystemMetrics(SM_CYMENU) - 1};
}

void DrawMenuBarItem(const TMenuBarBackdrop& backdrop, const TMenuItem& item, HDC dc, const TRect& r,
                     UINT state)
{
    if (!backdrop.Skin || !backdrop.MenuLineImage || backdrop.MenuLineImage->Empty() || r.IsEmpty())
        return;
    TBitmap work(r.Width(), r.Height());
    const TPoint inLine{r.Left - backdrop.LineOrigin.X, r.Top - backdrop.LineOrigin.Y};
    const BackdropInfo behind = BackdropFromBitmap(backdrop.MenuLineImage, inLine.X, inLine.Y);
    PaintItemBackground(backdrop, behind, work, Hot(item, state));
    DrawItemCaption(backdrop, item, work, state);
    if (!item.Enabled())
        BlendRectangle(work, *backdrop.MenuLineImage, DisabledItemWeight, {0, 0},
                       TRect::FromBounds(inLine.X, inLine.Y, r.Width(), r.Height()));
    TBitmapCanvas source(work);
    BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), source.Handle(), 0, 0, SRCCOPY);
}

} // namespace pp
