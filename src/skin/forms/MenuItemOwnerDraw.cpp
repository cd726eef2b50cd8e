#include "skin/forms/MenuItemOwnerDraw.h"

namespace pp {

void SetOwnerDrawn(HMENU menu, int position, const TMenuItem* item, bool on)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
        return;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = on ? info.fType | MFT_OWNERDRAW : info.fType & ~MFT_OWNERDRAW;
    info.dwItemData = on ? reinterpret_cast<ULONG_PTR>(item) : 0;
    SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
}

const TMenuItem* OwnerDrawnItem(ULONG_PTR itemData) { return reinterpret_cast<const TMenuItem*>(itemData); }

} // namespace pp
