#pragma once
// Texts are UTF-8 inside the program and UTF-16 at every Windows, COM and
// GDI+ boundary.
#include <string>
#include <string_view>

namespace pixmora {

// Zero-terminated UTF-16 form of a UTF-8 text; an empty text gives an empty
// string (a single zero unit through c_str()).
std::wstring toWideText(std::string_view text);

// UTF-8 form of a zero-terminated UTF-16 string; a null address gives "".
std::string wideToText(const wchar_t* wide);
std::string wideToText(std::wstring_view wide);

}  // namespace pixmora
