#include "skin/paint/BindingAnimationWin32.h"

namespace pp {

bool TsBindingAnimation::PrepareCache()
{
    if (prepareCache_)
        return prepareCache_();
    return binding_.ComposeItem(binding_.CurrentState());
}

} // namespace pp
