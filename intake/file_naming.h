#pragma once
// The parts of a dropped file's path that the slots show.
#include <string>
#include <string_view>

namespace pixmora {

// The last extension of the path with its dot ("a.b.png" gives ".png"), or
// "" when there is none.
std::string fileExtensionOf(std::string_view path);

// The last component of the path without its extension ("C:\x\a.b.png" gives
// "a.b"); the whole name when it has no extension; "" for a path that ends
// with a separator. Never splits a character.
std::string fileTitleOf(std::string_view path);

}  // namespace pixmora
