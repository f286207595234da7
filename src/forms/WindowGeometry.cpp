// Screen arithmetic of the windows, without a device.
#include "forms/WindowGeometry.h"

namespace folvane {

Point PopupMenuPosition(Point windowOrigin, Point pageControlOrigin, Point pageOrigin, const Rect& button)
{
    return { windowOrigin.x + pageControlOrigin.x + pageOrigin.x + button.left,
        windowOrigin.y + pageControlOrigin.y + pageOrigin.y + button.top + button.height };
}

Point CentredOn(const Rect& window, int dialogWidth, int dialogHeight)
{
    return { window.left + window.width / 2 - dialogWidth / 2, window.top + window.height / 2 - dialogHeight / 2 };
}

} // namespace folvane
