#include "skin/forms/TitleButtonRules.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

HWND WindowOf(const TCustomForm& form) { return form.HandleValue(); }

bool IsMinimized(const TCustomForm& form) { return WindowOf(form) && IsIconic(WindowOf(form)); }
bool IsMaximized(const TCustomForm& form) { return WindowOf(form) && IsZoomed(WindowOf(form)); }

bool HasBorderOfDialogKind(const TCustomForm& form)
{
    switch (form.BorderStyle()) {
    case TFormBorderStyle::bsNone:
    case TFormBorderStyle::bsDialog:
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: return true;
    default: return false;
    }
}

bool VisibleBox(const TCustomForm& form, unsigned icon)
{
    if (!HasSystemMenuIcon(form))
        return false;
    if (IsMinimized(form))
        return true;
    return !HasBorderOfDialogKind(form) && (form.BorderIcons() & icon);
}

// The state of SC_CLOSE in the window's system menu; -1 when the menu has
// no such item. A window whose system menu was never made (the platform
// makes it on first need, and not while WS_SYSMENU is off) has the
// standard one, which closes.
UINT CloseItemState(const TCustomForm& form)
{
    const HWND window = WindowOf(form);
    const HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
    return menu ? GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) : MF_ENABLED;
}

} // namespace

bool HasSystemMenuIcon(const TCustomForm& form) { return (form.BorderIcons() & biSystemMenu) != 0; }

bool HasLargeTitleButtons(const TCustomForm& form)
{
    return form.BorderStyle() == TFormBorderStyle::bsSingle ||
           form.BorderStyle() == TFormBorderStyle::bsSizeable;
}

bool VisibleCloseButton(const TCustomForm& form)
{
    return HasSystemMenuIcon(form) && CloseItemState(form) != static_cast<UINT>(-1);
}

bool VisibleMaxButton(const TCustomForm& form) { return VisibleBox(form, biMaximize); }
bool VisibleMinButton(const TCustomForm& form) { return VisibleBox(form, biMinimize); }

bool EnabledMaxButton(const TCustomForm& form)
{
    return HasLargeTitleButtons(form) && (form.BorderIcons() & biMaximize);
}

bool IsMinimizedSecondaryForm(const TCustomForm& form)
{
    return IsMinimized(form) && !(Application && Application->MainForm() == &form);
}

bool EnabledMinButton(const TCustomForm& form)
{
    return (form.BorderIcons() & biMinimize) && !IsMinimizedSecondaryForm(form);
}

bool EnabledRestore(const TCustomForm& form)
{
    return ((form.BorderIcons() & biMaximize) && (IsMaximized(form) || IsMinimized(form))) ||
           IsMinimized(form);
}

bool CloseEnabled(const TCustomForm& form)
{
    const UINT state = CloseItemState(form);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

} // namespace pp
