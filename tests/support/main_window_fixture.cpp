#include "tests/support/main_window_fixture.h"

#include <memory>

#include "host/control_registry.h"
#include "host/main_window.h"
#include "host/message_loop.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"
#include "shell/main_window.h"

namespace pixmora::testing {

HWND mainWindow() {
    HWND window = host::mainWindowHandle();
    if (window && IsWindow(window)) return window;
    if (!dropTarget) dropTarget = std::make_unique<DropTargetObject>();
    window = openMainWindow();
    SetForegroundWindow(window);
    pumpMessages();
    return window;
}

void pumpMessages() { host::processPendingMessages(); }

RECT controlRectangle(std::string_view name) {
    RECT rectangle{};
    HWND control = host::controlHandle(name);
    if (!control) return rectangle;
    GetWindowRect(control, &rectangle);
    MapWindowPoints(nullptr, host::mainWindowHandle(), reinterpret_cast<POINT*>(&rectangle), 2);
    return rectangle;
}

POINT controlCentreOnScreen(std::string_view name) {
    RECT rectangle{};
    GetWindowRect(host::controlHandle(name), &rectangle);
    return {(rectangle.left + rectangle.right) / 2, (rectangle.top + rectangle.bottom) / 2};
}

bool movePointer(POINT point) {
    SetCursorPos(point.x, point.y);
    pumpMessages();
    POINT now{};
    GetCursorPos(&now);
    return now.x == point.x && now.y == point.y;
}

}  // namespace pixmora::testing
