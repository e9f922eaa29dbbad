#include "intake/window_created.h"

#include "host/control_registry.h"
#include "intake/drop_routing.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"

namespace pixmora {

void onMainWindowCreated() {
    if (!dropTarget) return;
    // UTF-16 names, so that a file whose name lies outside the system's code page still opens.
    dropTarget->registerWindow(host::mainWindowHandle(), onFileDropped, 1);
}

}  // namespace pixmora
