#pragma once
// The main window's created handler.
namespace pixmora {

// Registers the main window with the global drop target, with onFileDropped
// as the callback and names fetched as UTF-16.
void onMainWindowCreated();

}  // namespace pixmora
