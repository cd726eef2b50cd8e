#include "skin/paint/BackdropRequest.h"

#include <algorithm>

namespace pp {

BackdropInfo BackdropFromBitmap(const TBitmap* bitmap, int offsetX, int offsetY)
{
    BackdropInfo info;
    info.Image = bitmap;
    info.OffsetX = offsetX;
    info.OffsetY = offsetY;
    info.BackColor = clKeyColor;
    info.HasImage = bitmap != nullptr;
    return info;
}

BackdropInfo BackdropFromRequest(const BackdropRequest& request)
{
    if (request.Kind == bkImage)
        return BackdropFromBitmap(request.Image, request.OffsetX, request.OffsetY);
    BackdropInfo info;
    info.Image = request.Image;
    info.OffsetX = request.OffsetX;
    info.OffsetY = request.OffsetY;
    info.BackColor = ColorToRGB(request.Color);
    std::copy(std::begin(request.Margins), std::end(request.Margins), std::begin(info.Margins));
    info.HasImage = false;
    return info;
}

} // namespace pp
