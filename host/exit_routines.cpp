#include "host/exit_routines.h"

#include <algorithm>
#include <vector>

namespace pixmora::host {
namespace {

std::vector<ExitRoutine>& exitRoutines() {
    static std::vector<ExitRoutine> routines;
    return routines;
}

}  // namespace

void registerExitRoutine(ExitRoutine routine) {
    auto& routines = exitRoutines();
    if (routine && std::find(routines.begin(), routines.end(), routine) == routines.end())
        routines.push_back(routine);
}

void runExitRoutines() {
    std::vector<ExitRoutine> routines;
    routines.swap(exitRoutines());
    for (ExitRoutine routine : routines) routine();
}

}  // namespace pixmora::host
