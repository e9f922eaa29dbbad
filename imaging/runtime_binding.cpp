#include "imaging/runtime_binding.h"

#include <string>

namespace pixmora {
namespace {

// Loads a system library from the system folder first, so that a DLL of the
// same name beside the program or in the current folder is never picked up;
// falls back to the ordinary search for libraries that live elsewhere (on
// Windows XP gdiplus.dll is in the side-by-side store).
HMODULE loadSystemLibrary(const wchar_t* library) {
    if (HMODULE loaded = GetModuleHandleW(library)) return loaded;
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::wstring path(folder, length);
        path += L'\\';
        path += library;
        if (HMODULE loaded = LoadLibraryW(path.c_str())) return loaded;
    }
    return LoadLibraryW(library);
}

}  // namespace

void* LibraryFunction::address() const noexcept {
    if (!resolved_) {
        resolved_ = true;
        // Libraries stay loaded for the life of the process: the addresses are kept.
        if (HMODULE module = loadSystemLibrary(library_))
            address_ = reinterpret_cast<void*>(GetProcAddress(module, name_));
    }
    return address_;
}

}  // namespace pixmora
