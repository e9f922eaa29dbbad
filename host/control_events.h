#pragma once
// The handlers attached to the main window and its controls, and the raising
// of their events. A control without an attached handler runs nothing.
#include <string_view>

namespace pixmora::host {

using EventHandler = void (*)();
using SpinnerHandler = void (*)(int direction);  // +1 increase arrow, -1 decrease arrow

// Attaching nullptr detaches the handler.
void attachCreated(EventHandler handler);
void attachTextChanged(std::string_view controlName, EventHandler handler);
void attachClicked(std::string_view controlName, EventHandler handler);
void attachSpinnerPressed(std::string_view controlName, SpinnerHandler handler);
void detachAllEvents();

// Each runs the attached handler to completion, if there is one.
void raiseCreated();
void raiseTextChanged(std::string_view controlName);
void raiseClicked(std::string_view controlName);
void raiseSpinnerPressed(std::string_view controlName, int direction);

}  // namespace pixmora::host
