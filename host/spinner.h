#pragma once
// The up-down control beside an edit box, in manual mode: it never changes
// the text itself and only reports presses, +1 for the increase arrow and -1
// for the decrease arrow.
#include <windows.h>
#include <commctrl.h>

namespace pixmora::host {

// The spinner's width inside the edit box's place.
inline constexpr int kSpinnerWidth = 18;

// Creates the spinner at the right end of `place` for the edit box `buddy`,
// which is narrowed to leave room for it. Range 0 to 100.
HWND createSpinner(HWND parent, HWND buddy, const RECT& place, int minimum, int maximum);

// Answers UDN_DELTAPOS: the press's direction (+1 or -1, 0 when none), and
// the change is refused so the spinner keeps its position.
int spinnerPressDirection(const NMUPDOWN& notice);

}  // namespace pixmora::host
