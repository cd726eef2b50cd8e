#pragma once
// One place where system colours get their RGB value. The Windows build
// installs a resolver that asks the platform; elsewhere the classic scheme holds.
#include "core/Color.h"

namespace pp {

using TSystemColorResolver = TColor (*)(int index);
void SetSystemColorResolver(TSystemColorResolver resolver);
TColor ClassicSystemColor(int index);

} // namespace pp
