#include "shell/main_window.h"

#include "host/main_window.h"
#include "shell/event_table.h"
#include "shell/main_window_layout.h"

namespace pixmora {

HWND openMainWindow() {
    attachMainWindowEvents();
    return host::createMainWindow(mainWindowLayout());
}

}  // namespace pixmora
