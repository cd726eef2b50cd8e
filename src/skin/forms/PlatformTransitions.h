#pragma once
// The platform's own window transition animations (desktop composition
// only). While the skin draws a form's frame, the platform's transitions
// would play on a frame that is not the one shown, so they are switched off
// for the form, and back on when the form gets its platform frame again.
#include <windows.h>

namespace pp {

// Forbids (true) or allows (false) the transitions of `window`; nothing
// where the platform has no desktop composition or it is off.
void ForbidPlatformTransitions(HWND window, bool forbid);

} // namespace pp
