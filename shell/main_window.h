#pragma once
// Opening Pixmora's main window.
#include <windows.h>

namespace pixmora {

// Attaches the event handlers, creates the main window with all its controls
// (which registers it with the drop target) and shows it.
HWND openMainWindow();

}  // namespace pixmora
