#pragma once
// Window classes of the host's own controls.
#include <windows.h>

namespace pixmora::host {

// Registers a control class that repaints when resized; registering it again
// does nothing.
void registerControlClass(const wchar_t* className, WNDPROC procedure, const wchar_t* cursor);
// A child control of such a class at `place`, with the control's id.
HWND createChildControl(const wchar_t* className, DWORD style, HWND parent, int id, const RECT& place);

}  // namespace pixmora::host
