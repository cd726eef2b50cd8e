#pragma once
// Switching one item of a platform menu between owner-drawn (carrying the
// toolkit item it shows) and drawn by the platform.
#include "toolkit/Menu.h"

#include <windows.h>

namespace pp {

void SetOwnerDrawn(HMENU menu, int position, const TMenuItem* item, bool on);

// The toolkit item an owner-drawn platform item carries; null for others.
const TMenuItem* OwnerDrawnItem(ULONG_PTR itemData);

} // namespace pp
