#pragma once
// The host's list of routines to run when the program ends.
namespace pixmora::host {

using ExitRoutine = void (*)();

// Adds a routine; one already in the list is not added twice.
void registerExitRoutine(ExitRoutine routine);
// Calls every registered routine once, in the order of registration, and
// empties the list, so a second call runs nothing.
void runExitRoutines();

}  // namespace pixmora::host
