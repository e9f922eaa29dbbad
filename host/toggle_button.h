#pragma once
// A check box shown as a push button that stays pressed while ticked, with a
// caption in a colour of its own, centred and at the top.
#include <windows.h>

#include <string>
#include <vector>

namespace pixmora::host {

// Creates the toggle (an owner-drawn button that keeps its own tick state and
// answers BM_GETCHECK and BM_SETCHECK).
HWND createToggleButton(HWND parent, int id, const RECT& place, const std::wstring& caption, bool ticked,
                        COLORREF captionColour, HFONT font);
// Flips the tick state; the parent calls it when the toggle is clicked.
void flipToggle(HWND toggle);
// Draws the toggle for WM_DRAWITEM.
void drawToggleButton(const DRAWITEMSTRUCT& item);
bool isToggleButton(HWND window);

// The caption broken into lines that each fit the width, breaking between
// characters where the text has no space (as Chinese text has none).
std::vector<std::wstring> breakCaptionLines(HDC deviceContext, const std::wstring& caption, int width);

}  // namespace pixmora::host
