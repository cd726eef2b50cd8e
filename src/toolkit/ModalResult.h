#pragma once
// What a modal form answers when it closes.
#include <windows.h>

namespace pp {

// Modal results as the platform's dialog results number them.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;
inline constexpr TModalResult mrAll = 8;

} // namespace pp
