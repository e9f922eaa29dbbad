// Pixmora's entry sequence.
#include <windows.h>

#include "host/exit_routines.h"
#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    pixmora::host::registerExitRoutine(pixmora::releaseAtExit);
    pixmora::startGdiplus();
    pixmora::readOsVersion();
    pixmora::host::runExitRoutines();
    return 0;
}
