#pragma once
// A control that shows a colour and opens the system's colour dialog when
// clicked (or when space is pressed while it has the focus). There is no
// transparent choice: the colour is always a plain RGB colour.
#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

namespace pixmora::host {

inline constexpr wchar_t kColourPickerClass[] = L"PixmoraColourPicker";

void registerColourPickerClass();
HWND createColourPicker(HWND parent, int id, const RECT& place, COLORREF colour);

COLORREF colourPickerColour(HWND picker);
void setColourPickerColour(HWND picker, COLORREF colour);

// The colour of a named picker (0x00BBGGRR); black for an unknown name.
COLORREF readColour(std::string_view controlName);
void writeColour(std::string_view controlName, COLORREF colour);

// Replaces the colour dialog, for tests: the hook receives the owner and the
// current colour and gives the chosen colour, or nothing when cancelled. An
// empty hook restores the dialog.
using ColourDialogHook = std::function<std::optional<COLORREF>(HWND owner, COLORREF current)>;
void setColourDialogHook(ColourDialogHook hook);

}  // namespace pixmora::host
