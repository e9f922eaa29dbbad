#pragma once
// GUIDs as registry-form texts: braces, upper-case hexadecimal, 8-4-4-4-12
// digits, 38 characters. Picture formats, encoders and frame dimensions are
// named by such texts.
#include <windows.h>

#include <string>
#include <string_view>

namespace pixmora {

std::string guidToText(const GUID& guid);

// The GUID a registry-form text names; the all-zero GUID for any text that is
// not one (the empty text included).
GUID textToGuid(std::string_view text);

inline constexpr const char* kZeroGuidText = "{00000000-0000-0000-0000-000000000000}";
inline constexpr const char* kJpegFormatText = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kBmpFormatText = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kPngFormatText = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kGifFormatText = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kTiffFormatText = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kMemoryBitmapFormatText = "{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";

}  // namespace pixmora
