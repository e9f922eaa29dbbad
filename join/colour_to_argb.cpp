#include "join/colour_to_argb.h"

namespace pixmora {

std::uint32_t colourToArgb(std::uint32_t colour, std::uint8_t alpha) {
    const std::uint32_t red = colour & 0xFF;
    const std::uint32_t green = (colour >> 8) & 0xFF;
    const std::uint32_t blue = (colour >> 16) & 0xFF;
    return (std::uint32_t{alpha} << 24) | (red << 16) | (green << 8) | blue;
}

}  // namespace pixmora
