#include "imaging/guid_text.h"

#include "imaging/system_api.h"
#include "imaging/text_conversion.h"

namespace pixmora {

std::string guidToText(const GUID& guid) {
    wchar_t buffer[39] = {};
    if (sys::StringFromGUID2(guid, buffer, 39) == 0) return kZeroGuidText;
    return wideToText(buffer);
}

GUID textToGuid(std::string_view text) {
    GUID guid{};
    const std::wstring wide = toWideText(text);
    // CLSIDFromString's result is not needed: on failure the GUID stays all zero.
    if (FAILED(sys::CLSIDFromString(wide.c_str(), &guid))) guid = GUID{};
    return guid;
}

}  // namespace pixmora
