#pragma once
// Attaches the handlers of the main window's events.
namespace pixmora {

void attachMainWindowEvents();

}  // namespace pixmora
