#pragma once
// The host's message loop.
namespace pixmora::host {

// Runs until the main window is closed (WM_QUIT). Keyboard navigation between
// the controls (tab stops, radio groups) is handled on the way.
void runMessageLoop();

// Handles every message waiting for this thread and returns; for tests.
void processPendingMessages();

}  // namespace pixmora::host
