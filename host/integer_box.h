#pragma once
// Edit boxes that take whole numbers: typed and pasted characters are limited
// to the digits 0 to 9 and the minus sign (control keys such as backspace
// still work).
#include <windows.h>

#include <string_view>

namespace pixmora::host {

// True for a character an integer box accepts when typed: a digit, '-', or a
// control character (backspace, the clipboard shortcuts).
bool isIntegerBoxCharacter(wchar_t character);
// True when every character of the text may be pasted into an integer box.
bool isIntegerBoxText(std::wstring_view text);

// Makes an edit box an integer box.
void makeIntegerBox(HWND edit);

}  // namespace pixmora::host
