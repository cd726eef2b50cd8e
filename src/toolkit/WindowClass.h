#pragma once
// The program's own window classes outside the control hierarchy (the
// application window, timer helpers), registered on first use.
#include <windows.h>

namespace pp {

// Registers `name` with `procedure` unless already done; throws when the
// platform refuses.
void RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HICON icon = nullptr);

} // namespace pp
