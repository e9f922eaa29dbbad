#pragma once
// Reading and writing the text of a named control.
//
// Writing a text raises the control's text-changed handler at once and runs
// it to completion before the write returns, for disabled and read-only boxes
// as well. Every write raises it, also one that leaves the text as it was: a
// slot refilled with another file of the same name must still refresh what
// depends on the slot.
#include <windows.h>

#include <string>
#include <string_view>

namespace pixmora::host {

// The control's text; "" for an unknown name.
std::string readText(std::string_view controlName);
// Writes the text and raises the text-changed handler; nothing for an unknown name.
void writeText(std::string_view controlName, std::string_view text);

// True while writeText is setting this control's text, so that the edit
// control's own change notice is not taken for a second change.
bool isBeingWritten(HWND control);

// Text of any window, UTF-8.
std::string windowText(HWND window);

}  // namespace pixmora::host
