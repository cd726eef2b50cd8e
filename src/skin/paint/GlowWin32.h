#pragma once
// Soft glow windows around controls (and title buttons) while the mouse is
// over them. Each glow is a layered, click-through window stacked directly
// above the window it belongs to. A binding keeps its glow as a number, the
// glow's key in the process-wide glow list. Keys are never given out
// twice: a binding still holding the key of a glow that was removed with
// all the others (a skin change) must not close a newer glow of another
// control that happens to get the same number.
#include "core/Geometry.h"
#include "skin/paint/AnimationBindingWin32.h"

#include <map>
#include <memory>
#include <string>

#include <windows.h>

namespace pp {

class TacEffectForm;
class TsSkinManager;

struct TacGlowEffect {
    // Freed with the glow (or, released, once its messages are done).
    TacEffectForm* Window = nullptr;
    TsSkinManager* Manager = nullptr;
    int MaskIndex = -1;
    int Margin = 0;
};

// The process-wide glow list, by handle.
std::map<int, std::unique_ptr<TacGlowEffect>>& TacGlowEffects();

// A glow of the section's image `baseName` + "0" around `controlRect` (on
// screen), cut to `visible` (in the control's coordinates), stacked
// directly above `above`. Answers its handle, or -1 without layered
// windows, without that image, or when nothing of it would show.
int CreateGlow(const TRect& controlRect, const TRect& visible, const std::string& section,
               TsSkinManager& manager, HWND above, int alpha, int margin,
               const std::string& baseName = "GLOW");

// Closes the glow, if it still exists, and sets the handle to -1.
void RemoveGlow(int& handle);
// Removes every glow and empties the list; with `freeWindows` the windows
// are destroyed at once rather than after their pending messages.
void RemoveAllGlows(bool freeWindows);

// Shows the glow of a control whose section asks for one while the mouse
// is over it, or removes it: when the mouse is elsewhere, the left button
// is held down on it, or on `leaving`.
void UpdateControlGlow(TAnimationBinding& binding, bool leaving);
// The same for a window without a control of ours.
void UpdateWindowGlow(TAnimationBinding& binding, HWND window, bool leaving);

} // namespace pp
