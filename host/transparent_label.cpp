#include "host/transparent_label.h"

#include <commctrl.h>

namespace pixmora::host {
namespace {

// The visible sibling below the label, in z-order, that covers the label's
// place (a tab control the label sits on); nullptr when there is none.
HWND siblingBeneath(HWND label, const RECT& labelRectangle) {
    for (HWND sibling = GetWindow(label, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!IsWindowVisible(sibling)) continue;
        RECT rectangle;
        GetWindowRect(sibling, &rectangle);
        RECT overlap;
        if (IntersectRect(&overlap, &rectangle, &labelRectangle) && EqualRect(&overlap, &labelRectangle))
            return sibling;
    }
    return nullptr;
}

}  // namespace

HBRUSH paintTransparentLabelBackground(HWND label, HDC deviceContext) {
    RECT labelRectangle;
    GetWindowRect(label, &labelRectangle);
    RECT client;
    GetClientRect(label, &client);
    if (HWND beneath = siblingBeneath(label, labelRectangle)) {
        POINT origin{labelRectangle.left, labelRectangle.top};
        ScreenToClient(beneath, &origin);
        const int saved = SaveDC(deviceContext);
        IntersectClipRect(deviceContext, client.left, client.top, client.right, client.bottom);
        SetViewportOrgEx(deviceContext, -origin.x, -origin.y, nullptr);
        SendMessageW(beneath, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(deviceContext), PRF_CLIENT | PRF_ERASEBKGND);
        RestoreDC(deviceContext, saved);
    } else {
        HWND parent = GetParent(label);
        auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
        FillRect(deviceContext, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkMode(deviceContext, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

}  // namespace pixmora::host
