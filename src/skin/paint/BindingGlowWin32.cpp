// The binding's glow hooks (see BindingHooksWin32.h): a hot control's glow
// window starts and goes through the glow windows of the animations.
#include "skin/paint/BindingAnimationWin32.h"
#include "skin/paint/BindingHooksWin32.h"
#include "skin/paint/GlowWin32.h"

namespace pp {

void StartControlGlow(TsCommonData& binding)
{
    TsBindingAnimation animation(binding);
    UpdateControlGlow(animation, false);
}

void RemoveControlGlow(TsCommonData& binding) { RemoveGlow(binding.GlowHandle); }

} // namespace pp
