#include "skin/paint/BindingHooksWin32.h"

#include "skin/paint/SkinBindingWin32.h"

namespace pp {

void StartControlGlow(TsCommonData&) { }

void RemoveControlGlow(TsCommonData& binding) { binding.GlowHandle = -1; }

void MatchPopupMenuSkin(TsCommonData&) { }

void TellManagerHotControl(TsCommonData&) { }

} // namespace pp
