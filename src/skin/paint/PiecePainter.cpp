#include "skin/paint/PiecePainter.h"

namespace pp {

TKeyAction CornerKeyAction(bool fillCorners, int cornerKey, const BackdropInfo& backdrop,
                           TKeyAction otherwise)
{
    if (!fillCorners || cornerKey == 0)
        return otherwise;
    if (backdrop.HasImage)
        return TKeyAction::Backdrop;
    return backdrop.BackColor != clKeyColor ? TKeyAction::BackColor : TKeyAction::Leave;
}

} // namespace pp
