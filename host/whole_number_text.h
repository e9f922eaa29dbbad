#pragma once
// The rewrite of a whole-number box when it loses the keyboard focus.
#include <string>
#include <string_view>

namespace pixmora::host {

// The text read as a 64-bit integer, clamped to the signed 32-bit range and
// written in decimal; zero gives the empty text.
std::string wholeNumberBoxText(std::string_view text);

}  // namespace pixmora::host
