#include "framework/CentreOverOwner.h"

#include "framework/LayoutRect.h"
#include "framework/layout/Centring.h"

namespace evenkeeper {

void CentreOverOwner(HWND window) {
    RECT reference = {0, 0, GetSystemMetrics(SM_CXFULLSCREEN),
                      GetSystemMetrics(SM_CYFULLSCREEN)};
    if (HWND owner = GetWindow(window, GW_OWNER)) GetWindowRect(owner, &reference);
    RECT own;
    GetWindowRect(window, &own);
    const Point origin = centredPosition(toRect(reference), toRect(own));
    MoveWindow(window, origin.x, origin.y, own.right - own.left, own.bottom - own.top, FALSE);
}

}  // namespace evenkeeper
