#pragma once
// Which window adapter each of the skin manager's 22 ThirdParty lists gives,
// and the section it paints with when the binding names none.
#include "skin/controls/MainWndWin32.h"

#include <memory>
#include <string>

namespace pp {

class TWinControl;

// The adapter of list `kind` (TThirdPartyIndex) on the control's window,
// with `binding` (whose section is set first when empty); null for the
// graphic-button list, which has no adapter class.
std::unique_ptr<TacMainWnd> CreateWindowAdapter(int kind, TWinControl& control, TsCommonData& binding,
                                                TsSkinManager* manager);

// The section a list's adapter takes when none is given; empty for none.
std::string DefaultAdapterSection(int kind, const TWinControl& control);

} // namespace pp
