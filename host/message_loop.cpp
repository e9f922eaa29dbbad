#include "host/message_loop.h"

#include <windows.h>

#include "host/control_registry.h"

namespace pixmora::host {
namespace {

void dispatch(MSG& message) {
    HWND window = mainWindowHandle();
    if (window && IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
}

void processPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

}  // namespace pixmora::host
