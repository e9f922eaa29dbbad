#pragma once
// Routing of dropped files to the slot under the mouse.
#include <windows.h>

#include <string>

namespace pixmora {

// The program's DropCallback: the name is UTF-16 (the main window registers
// with wide names); a null address counts as an empty name.
INT_PTR CALLBACK onFileDropped(const void* name);

// Finds the slot whose picture box is under the mouse (图片框1 to 图片框4 of
// the join tab, 图片框5 of the split tab; only the tab on show can match),
// stores the path in the slot's path global, writes the file's title into
// the slot's label (which raises the label's handler) and the file's bytes
// into the slot's picture box. Anywhere else nothing changes.
void routeDroppedFile(const std::string& path);

}  // namespace pixmora
