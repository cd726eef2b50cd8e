#pragma once
// The skin engine's one private window message and its sub-commands. Parts
// of the engine never call each other's controls directly: the manager
// announces skins with it, a control asks its parent what lies behind it,
// containers tell their children that something changed.
//
// wParam carries the sub-command in its high word and a small argument (a
// flag, 0 or 1) in its low word; lParam carries what the sub-command names
// (the skin manager, a record, a colour, a device context) or 0. A window
// that does not know the message answers 0, which every sender reads as
// "not skinned" or "no information".
#include <cstdint>

namespace pp {

inline constexpr unsigned SM_SKINCOMMAND = 0xA100;

enum TSkinCommand : std::uint16_t {
    SkinMsgSetSkin = 1,            // lParam: the skin manager that loaded a skin
    SkinMsgRemoveSkin = 2,         // lParam: the skin manager whose skin goes
    SkinMsgRefresh = 3,            // lParam: the skin manager; options changed
    SkinMsgGetProvider = 4,        // a form's skin provider answers with itself
    SkinMsgRepaintAfterUpdate = 6, // a control that had to wait may paint now
    SkinMsgIsSkinned = 7,          // 1 from every skinned control
    SkinMsgSetSuspended = 8,       // low word 1: suspend painting, 0: resume
    SkinMsgSetUrgentPaint = 9,     // low word 1: paint even when the parent is stale
    SkinMsgQueryStale = 10,        // 1 when the cache is stale or painting suspended
    SkinMsgQueryHalfShown = 11,    // the half-shown flag
    SkinMsgSectionNotify = 13,     // a section's images changed
    SkinMsgMenuRegion = 14,        // a skinned menu window's region
    SkinMsgSetSection = 15,        // lParam: the object carrying the new section name
    SkinMsgStopFading = 16,        // stop a running fade and repaint
    SkinMsgMarkStale = 17,         // the cache must be rebuilt
    SkinMsgQueryTransparency = 19, // whether children must take their background from us
    SkinMsgParentChanged = 20,     // low word 1: redraw too; the parent's look changed
    SkinMsgGetColor = 21,          // lParam: the default colour; answers the shown colour
    SkinMsgSetHalfShown = 22,      // the next paint rebuilds the cache
    SkinMsgClearStale = 23,        // the cache is current again
    SkinMsgFadeFrame = 24,         // lParam: a fade frame; non-zero answer: drawn by the control
    SkinMsgRescanControl = 25,     // to a form; lParam: the control to examine
    SkinMsgGetSectionIndex = 26,   // lParam: a record whose first 32-bit field gets the index
    SkinMsgMouseEnter = 29,        // the window became the hot one
    SkinMsgMouseLeave = 30,        // the window stopped being the hot one
    SkinMsgUpdateBegun = 31,       // painting suspended
    SkinMsgUpdateEnded = 32,       // painting resumed at depth 0
    SkinMsgDropCache = 33,         // free the cache bitmap, children too
    SkinMsgGetBackground = 34,     // lParam: a BackdropRequest to fill
    SkinMsgTransparencyMode = 36,  // lParam 1: recompute and notify; 0: query the paint flags
    SkinMsgGetBinding = 37,        // answers the skin binding itself
    SkinMsgSetPrintTarget = 38,    // lParam: the device context to print to, or 0
    SkinMsgLockRedraw = 51,        // a form's provider stops redrawing
    SkinMsgUnlockRedraw = 52,      // and starts again
    SkinMsgGetApplication = 60,    // answers the application object
    SkinMsgGetClientOffset = 61,   // a form's provider: where its client area starts
    SkinMsgRepaintFrame = 62,      // a form's provider repaints its frame
};

// The wParam of the skin command message: sub-command in the high word.
constexpr std::uintptr_t SkinCommandWParam(TSkinCommand command, std::uint16_t argument = 0)
{
    return static_cast<std::uintptr_t>(argument) | (static_cast<std::uintptr_t>(command) << 16);
}

constexpr TSkinCommand SkinCommandOf(std::uintptr_t wParam)
{
    return static_cast<TSkinCommand>((wParam >> 16) & 0xFFFF);
}

constexpr std::uint16_t SkinCommandArgument(std::uintptr_t wParam)
{
    return static_cast<std::uint16_t>(wParam & 0xFFFF);
}

} // namespace pp
