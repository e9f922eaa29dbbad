#include "host/window_under_mouse.h"

namespace pixmora::host {
namespace {

long long area(const RECT& rectangle) {
    return static_cast<long long>(rectangle.right - rectangle.left) * (rectangle.bottom - rectangle.top);
}

}  // namespace

size_t smallestContainingRectangle(const std::vector<RECT>& rectangles, POINT point) {
    size_t best = 0;
    for (size_t i = 1; i < rectangles.size(); ++i)
        if (PtInRect(&rectangles[i], point) && area(rectangles[i]) < area(rectangles[best])) best = i;
    return best;
}

HWND windowAtPoint(POINT point) {
    HWND window = WindowFromPoint(point);
    if (!window || !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return window;
    std::vector<HWND> windows{window};
    std::vector<RECT> rectangles(1);
    GetWindowRect(window, &rectangles[0]);
    for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!IsWindowVisible(sibling)) continue;
        RECT rectangle;
        GetWindowRect(sibling, &rectangle);
        windows.push_back(sibling);
        rectangles.push_back(rectangle);
    }
    return windows[smallestContainingRectangle(rectangles, point)];
}

HWND windowUnderMouse() {
    POINT point;
    if (!GetCursorPos(&point)) return nullptr;
    return windowAtPoint(point);
}

}  // namespace pixmora::host
