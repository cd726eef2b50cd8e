#pragma once
// Whether the platform composes the desktop (DwmIsCompositionEnabled).
// Several choices of the form animations and the frame depend on it, and
// both answers occur on real machines (Windows 7 with composition off,
// Wine always reporting it on), so it is asked in this one place, which
// tests can answer either way.
#include <functional>

namespace pp {

using TCompositionQuery = std::function<bool()>;

// The platform's answer: false without dwmapi.dll or on failure.
bool PlatformDesktopComposition();
bool DesktopCompositionEnabled();
// Replaces the question (null puts the platform's back); answers the previous.
TCompositionQuery SetDesktopCompositionQuery(TCompositionQuery query);

} // namespace pp
