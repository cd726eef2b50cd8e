#pragma once
// Which caption buttons a form shows and which of them work, from its
// border icons, border style, window state and the window's own system
// menu (read even while the skin has taken WS_SYSMENU away).
#include <windows.h>

namespace pp {

class TCustomForm;

bool HasSystemMenuIcon(const TCustomForm& form);
// Single and sizeable borders have the big caption buttons.
bool HasLargeTitleButtons(const TCustomForm& form);
bool VisibleCloseButton(const TCustomForm& form);
bool VisibleMaxButton(const TCustomForm& form);
bool VisibleMinButton(const TCustomForm& form);
bool EnabledMaxButton(const TCustomForm& form);
bool EnabledMinButton(const TCustomForm& form);
bool EnabledRestore(const TCustomForm& form);
// SC_CLOSE of the window's system menu is not grayed.
bool CloseEnabled(const TCustomForm& form);
// Minimized and not the application's main form: its minimize button
// restores it.
bool IsMinimizedSecondaryForm(const TCustomForm& form);

} // namespace pp
