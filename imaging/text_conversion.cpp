#include "imaging/text_conversion.h"

#include <climits>

#include "imaging/system_api.h"

namespace pixmora {

std::wstring toWideText(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    int units = sys::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::wstring wide(static_cast<size_t>(units), L'\0');
    units = sys::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), units);
    wide.resize(units > 0 ? static_cast<size_t>(units) : 0);
    return wide;
}

std::string wideToText(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int length = static_cast<int>(wide.size());
    int bytes = sys::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string text(static_cast<size_t>(bytes), '\0');
    bytes = sys::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), bytes, nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
}

std::string wideToText(const wchar_t* wide) {
    return wide ? wideToText(std::wstring_view(wide)) : std::string();
}

}  // namespace pixmora
