#include "intake/file_naming.h"

#include <cwchar>

#include "imaging/text_conversion.h"
#include "intake/drop_api.h"

namespace pixmora {

std::string fileExtensionOf(std::string_view path) {
    const std::wstring wide = toWideText(path);
    const wchar_t* extension = dropapi::PathFindExtensionW.callOr(static_cast<LPWSTR>(nullptr), wide.c_str());
    return extension ? wideToText(extension) : std::string();
}

std::string fileTitleOf(std::string_view path) {
    const std::wstring wide = toWideText(path);
    const wchar_t* found = dropapi::PathFindFileNameW.callOr(static_cast<LPWSTR>(nullptr), wide.c_str());
    const std::wstring name = found ? found : wide.c_str();
    if (!name.empty() && name.back() == L'\\') return {};
    const wchar_t* extension = dropapi::PathFindExtensionW.callOr(static_cast<LPWSTR>(nullptr), name.c_str());
    const size_t extensionLength = extension ? std::wcslen(extension) : 0;
    return wideToText(std::wstring_view(name).substr(0, name.size() - extensionLength));
}

}  // namespace pixmora
