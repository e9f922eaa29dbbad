#pragma once
// Reading and writing whole files by UTF-8 path.
#include <windows.h>

#include <string_view>

#include "imaging/toolkit_types.h"

namespace pixmora::host {

// The whole file; empty when it cannot be read (missing, a folder, locked, or
// larger than any picture the program handles).
ByteArray readWholeFile(std::string_view path);

// Writes the bytes to a new file beside `path` and renames it over `path` only
// when every byte is on disk, so a failure never leaves a truncated file and
// never harms a file already there. Gives ERROR_SUCCESS or the Windows error.
DWORD writeWholeFileReplacing(std::string_view path, const ByteArray& bytes);

}  // namespace pixmora::host
