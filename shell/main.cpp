// Pixmora's entry sequence.
#include <windows.h>

#include <memory>

#include "host/exit_routines.h"
#include "host/host_setup.h"
#include "host/message_loop.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"
#include "shell/main_window.h"
#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    pixmora::host::initialiseHost();
    pixmora::dropTarget = std::make_unique<pixmora::DropTargetObject>();
    pixmora::host::registerExitRoutine(pixmora::releaseAtExit);
    pixmora::startGdiplus();
    pixmora::readOsVersion();
    pixmora::openMainWindow();
    pixmora::host::runMessageLoop();
    pixmora::host::runExitRoutines();
    return 0;
}
