#pragma once
// The colour picker's Windows colour as the ARGB value GDI+ brushes take.
#include <cstdint>

namespace pixmora {

// A Windows colour 0x00BBGGRR as 0xAARRGGBB: red and blue change places and
// the top byte becomes `alpha` (opaque unless said otherwise).
std::uint32_t colourToArgb(std::uint32_t colour, std::uint8_t alpha = 255);

}  // namespace pixmora
