#pragma once
// Sending the skin command message to controls and windows, broadcasting it
// down a control tree, and the questions built on it (what colour a control
// shows, whether it can be painted now). Nothing is sent to a window that
// does not exist or is being destroyed: such a send answers 0.
#include "core/Color.h"
#include "skin/paint/SkinMessages.h"
#include "toolkit/Control.h"

#include <windows.h>

#include <functional>

namespace pp {

class TWinControl;

// To a windowed control's window, or through a windowless control's own
// dispatch; 0 for a control without a window or being destroyed.
LRESULT SendSkinCommand(TControl* control, TSkinCommand command, LPARAM lParam = 0,
                        std::uint16_t argument = 0);
inline LRESULT QuerySkinCommand(TControl* control, TSkinCommand command)
{
    return SendSkinCommand(control, command, 0);
}
// To a window; 0 for none or a window that is gone.
LRESULT SendSkinCommandToWindow(HWND window, TSkinCommand command, LPARAM lParam = 0,
                                std::uint16_t argument = 0);
bool IsSkinCommandTrue(HWND window, TSkinCommand command);

// Says whether an unskinned windowed child is passed by instead of being
// descended into.
using TBroadcastSkip = std::function<bool(TWinControl& child)>;
// To every child control: windowless ones through their dispatch, skinned
// windowed ones sent to their window, unskinned windowed ones descended
// into (unless `skip` says so). Stops at a child being destroyed.
void BroadcastToControls(TWinControl& container, UINT msg, WPARAM wParam, LPARAM lParam,
                         const TBroadcastSkip& skip = {});
// To every direct child window of `window`.
void BroadcastToChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// SkinMsgRepaintAfterUpdate to every showing windowed child and every
// windowless one; nothing while the container is designed or a form
// animation plays.
void ChildrenRepaintAfterUpdate(TWinControl& container);
void WindowChildrenRepaintAfterUpdate(HWND window);

// The colour a control shows, in RGB; clKeyColor for none.
TColor ControlBackgroundColor(TControl* control);
TColor WindowBackgroundColor(HWND window);

// The control exists, has a parent and a window when it needs one, and is
// not being created, read, loaded or destroyed.
bool CanPaintNow(const TControl* control);

// The window of a windowed control that may be sent to, or null.
HWND LiveWindowOf(const TControl* control);
// The parent of a child window; null for a top-level window (whose
// GetParent would be its owner, not a parent that lies behind it).
HWND ParentWindowOf(HWND window);

} // namespace pp
