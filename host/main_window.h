#pragma once
// The main window: a fixed frame centred on the screen, holding the controls
// of a window description, with pages switched by its tab control.
#include <windows.h>

#include "host/window_description.h"

namespace pixmora::host {

inline constexpr wchar_t kMainWindowClass[] = L"PixmoraMainWindow";
// Caption, system menu, close and minimise buttons; no maximise button and
// no sizing border.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Creates the window and all its controls with their initial texts and
// settings (page 0 shown), raises the window's created event, then shows it.
// Closing the window ends the message loop.
HWND createMainWindow(const WindowDescription& description);

// Shows a page as if the user had chosen its tab.
void selectPage(int page);
int currentPage();

// The window's left and top when centred on a screen of the given size.
POINT centredWindowPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace pixmora::host
