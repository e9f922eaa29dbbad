#pragma once
// The canvas size a picture needs once rotated about its centre.
#include <cstdint>

#include "imaging/toolkit_types.h"

namespace pixmora {

// Width and height of the box around a w x h picture rotated by a whole number
// of degrees (positive: clockwise on screen). The corners taken are the
// centres of the corner pixels, so an unrotated picture gives w - 1 by h - 1.
SizeF rotatedBoxSize(float width, float height, std::int32_t degrees);

}  // namespace pixmora
