#pragma once
// How the skin manager reaches the windows. The manager decides what they
// must hear and when; the skin command message that carries it belongs to
// the painting core above, which fills this slot when the program starts.
// While it is empty the manager's changes reach no window.
#include <windows.h>

#include <functional>

namespace pp {

class TControl;
class TsSkinManager;

enum class TSkinAnnouncement { SetSkin, RemoveSkin, Refresh, StopFading };

struct TSkinAnnouncer {
    // Sends one announcement, with the manager, to every form and what it holds.
    std::function<void(TsSkinManager& manager, TSkinAnnouncement what)> ToEveryForm;
    // Tells a window that the mouse came over it (true) or left it (false).
    std::function<void(TsSkinManager& manager, HWND window, bool entered)> ToHotWindow;
    // Tells a control that it stopped being the hot control.
    std::function<void(TsSkinManager& manager, TControl& control)> ToFormerHotControl;
    // Whether the control's skin binding still has the mouse inside it; a
    // hot control that does keeps being the hot one.
    std::function<bool(TControl& control)> HoldsMouse;
};

inline TSkinAnnouncer SkinAnnouncer;

} // namespace pp
