#pragma once
// The program's real main window, created once per test program as the entry
// sequence creates it, with its drop target.
#include <windows.h>

#include <string>
#include <string_view>

namespace pixmora::testing {

// Creates the main window on first use (constructing the drop target when
// there is none) and gives its handle; the join page is shown.
HWND mainWindow();

// Handles the messages waiting for this thread.
void pumpMessages();

// Control's rectangle in the main window's client coordinates.
RECT controlRectangle(std::string_view name);
// A point of the screen in the middle of the control.
POINT controlCentreOnScreen(std::string_view name);

// Moves the mouse pointer; true when the system reports it at the point.
bool movePointer(POINT point);

}  // namespace pixmora::testing
