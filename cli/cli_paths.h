#pragma once
// File names as the command line gives them, made usable by every Windows
// file function.
#include <string>
#include <string_view>

namespace pixmora::cli {

// The path made absolute against the current folder; when the result is too
// long for the ordinary file functions (MAX_PATH, less room for the temporary
// name the output is written under first) it gets the "\\?\" prefix that lifts
// the limit. A path that cannot be resolved is handed back unchanged.
std::string usablePath(std::string_view path);

// True when the file can be opened for reading (it exists, is a file and is
// not locked against readers).
bool canOpenForReading(std::string_view path);

}  // namespace pixmora::cli
