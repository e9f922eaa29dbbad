#pragma once
// Text out of a console program: to a console in UTF-16, so that any
// character shows whatever the console's code page; to a pipe or a file as
// UTF-8 bytes.
#include <windows.h>

#include <string_view>

namespace pixmora::cli {

// Writes UTF-8 text to a standard handle (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE).
void writeText(DWORD standardHandle, std::string_view text);

}  // namespace pixmora::cli
