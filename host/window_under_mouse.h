#pragma once
// The window under the mouse pointer.
#include <windows.h>

#include <vector>

namespace pixmora::host {

// The window at the pointer's position (WindowFromPoint) and, when that
// window has a parent, the smallest by area among it and its following
// visible siblings that also contain the point; the earlier window wins ties.
// So a small control lying over a larger one (a tab control) is found
// whichever of the two is above.
HWND windowUnderMouse();
HWND windowAtPoint(POINT point);

// The index of the smallest rectangle that contains the point; the first
// rectangle is the window found at the point and is taken even when it does
// not contain it. Earlier rectangles win ties.
size_t smallestContainingRectangle(const std::vector<RECT>& rectangles, POINT point);

}  // namespace pixmora::host
