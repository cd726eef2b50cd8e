#pragma once
// The message record every control's message method receives, and the
// toolkit's own notifications. Our notifications live in a private block of
// the application message range that stays clear of the skin engine's
// numbers (0xA100, 0xA400 and 0xBCB3).
#include <windows.h>

namespace pp {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Notifications between toolkit objects.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 2; // LParam: the control, when windowless
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 3;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 4;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 5; // WParam: 1 shown, 0 hidden
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 6;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 7;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 8;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 9;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 10; // WParam: the character
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 11;  // WParam: the virtual key
inline constexpr UINT CM_CANCELMODE = CM_BASE + 12;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 13;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 14;
inline constexpr UINT CM_BUTTONSTYLE = CM_BASE + 15; // WParam: 1 when the default-button look is on
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 16;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 17; // WParam: the control, LParam: 1 inserted
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 18;      // LParam: the newly focused control
inline constexpr UINT CM_HINTSHOW = CM_BASE + 19;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 20;
inline constexpr UINT CM_RELEASE = CM_BASE + 21; // a form frees itself once its messages are done
inline constexpr UINT CM_LAST = CM_BASE + 0xFF;

// Platform notifications reflected back to the control they concern (a
// button's WM_COMMAND, an owner-drawn item's WM_DRAWITEM): CN_BASE + the
// platform message number.
inline constexpr UINT CN_BASE = 0xB400;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_LAST = CN_BASE + 0x1FF;

namespace detail {
constexpr bool InBlock(UINT value, UINT first, UINT last) { return value >= first && value <= last; }
constexpr bool ClearOf(UINT first, UINT last)
{
    return !InBlock(0xA100, first, last) && !InBlock(0xA400, first, last) && !InBlock(0xBCB3, first, last);
}
} // namespace detail
static_assert(detail::ClearOf(CM_BASE, CM_LAST), "toolkit notifications overlap the skin engine's messages");
static_assert(detail::ClearOf(CN_BASE, CN_LAST),
              "reflected notifications overlap the skin engine's messages");
static_assert(CM_LAST < CN_BASE);

} // namespace pp
