#include "imaging/rotation_geometry.h"

#include <algorithm>
#include <cmath>

namespace pixmora {

SizeF rotatedBoxSize(float width, float height, std::int32_t degrees) {
    // The angle and its sine and cosine are kept in single precision, with
    // pi to ten decimals, as the rotation itself is computed.
    const auto radians = static_cast<float>(degrees * 3.1415926535 / 180.0);
    const auto s = static_cast<float>(std::sin(static_cast<double>(radians)));
    const auto c = static_cast<float>(std::cos(static_cast<double>(radians)));
    const float hw = (width - 1) / 2;
    const float hh = (height - 1) / 2;
    const PointF corners[4] = {{-hw, hh}, {hw, hh}, {-hw, -hh}, {hw, -hh}};
    PointF turned[4];
    for (int i = 0; i < 4; ++i)
        turned[i] = {c * corners[i].x + s * corners[i].y, -s * corners[i].x + c * corners[i].y};
    // The two diagonals: corners 0 and 3, corners 1 and 2.
    return {std::max(std::fabs(turned[3].x - turned[0].x), std::fabs(turned[2].x - turned[1].x)),
            std::max(std::fabs(turned[3].y - turned[0].y), std::fabs(turned[2].y - turned[1].y))};
}

}  // namespace pixmora
