#include "cli/cli_paths.h"

#include <windows.h>

#include "imaging/text_conversion.h"

namespace pixmora::cli {
namespace {

// Room for the ".~PID-N.tmp" the output is first written under.
constexpr std::size_t kTemporarySuffixRoom = 32;

}  // namespace

std::string usablePath(std::string_view path) {
    const std::wstring wide = toWideText(path);
    if (wide.empty() || wide.rfind(L"\\\\?\\", 0) == 0) return std::string(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::string(path);
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return std::string(path);
    full.resize(length);
    if (full.size() + kTemporarySuffixRoom < MAX_PATH) return std::string(path);
    if (full.rfind(L"\\\\", 0) == 0) return wideToText(L"\\\\?\\UNC\\" + full.substr(2));
    return wideToText(L"\\\\?\\" + full);
}

bool canOpenForReading(std::string_view path) {
    const std::wstring wide = toWideText(path);
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace pixmora::cli
