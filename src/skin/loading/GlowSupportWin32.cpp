// Whether this machine can show glow effects at all, found once at start.
#include "skin/loading/GlowSupport.h"

#include "skin/loading/DesktopCompositionWin32.h"
#include "skin/loading/SkinManagerOptions.h"
#include "win/Wow64.h"

#include <windows.h>

namespace pp {

void DetectGlowSupport()
{
    static bool detected = false;
    if (detected)
        return;
    detected = true;
    // A 32-bit program on 64-bit Windows draws its layered glow windows
    // badly without composition.
    SetGlowingDisabledAtStart(IsWow64(GetCurrentProcess()) && !DesktopCompositionEnabled());
}

} // namespace pp
