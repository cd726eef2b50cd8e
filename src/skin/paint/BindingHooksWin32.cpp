#include "skin/paint/BindingHooksWin32.h"

#include "skin/paint/SkinBindingWin32.h"

namespace pp {

void MatchPopupMenuSkin(TsCommonData&) { }

void TellManagerHotControl(TsCommonData&) { }

} // namespace pp
