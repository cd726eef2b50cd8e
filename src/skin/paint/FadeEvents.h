#pragma once
// Which state changes of a skinned button fade.
#include "skin/loading/SkinManagerOptions.h"

namespace pp {

// The button events, in the order of the skin manager's TacBtnEvent bits.
enum TFadeEvent : int { feMouseEnter = 0, feMouseLeave = 1, feMouseDown = 2, feMouseUp = 3 };

// A button's AnimatEvents hold bit (1 << event) for each event that fades,
// and this bit when it defers to the skin manager's Buttons.Events.
inline constexpr unsigned FadeEventGlobalDefault = 1u << 4;

constexpr unsigned FadeEventBit(TFadeEvent event) { return 1u << event; }

// True when the button's own events name `event`, or when they defer to
// the manager and the manager's button events name it.
bool EventFades(TFadeEvent event, unsigned animatEvents, const TacBtnEffects& managerButtons);

} // namespace pp
