#pragma once
// The controls of the main window, addressed by their names (UTF-8).
#include <windows.h>

#include <string>
#include <string_view>

#include "host/window_description.h"

namespace pixmora::host {

struct RegisteredControl {
    std::string name;
    HWND handle = nullptr;
    ControlDescription description;
    HWND companion = nullptr;  // a second window that belongs to the control (the spinner of an edit box)
};

// Forgets every control and the main window (before a window is built).
void clearControlRegistry();
void registerMainWindow(HWND window);
void registerControl(HWND handle, const ControlDescription& description, HWND companion = nullptr);

// The native handle of the main window; nullptr before it is created.
HWND mainWindowHandle();
// The native handle of a named control; nullptr for an unknown name.
HWND controlHandle(std::string_view name);
// The control with this handle (or companion), or nullptr.
const RegisteredControl* findControl(HWND handle);
const RegisteredControl* findControl(std::string_view name);
// Every control, in creation order.
const std::vector<RegisteredControl>& registeredControls();

}  // namespace pixmora::host
