#include "split/split_geometry.h"

#include <algorithm>
#include <cmath>

namespace pixmora {

std::int32_t splitLineCount(double bands, bool border, std::int32_t extent) {
    const double count = std::trunc(border ? bands : bands - 1);
    if (!(count > 0) || extent <= 0) return 0;
    return static_cast<std::int32_t>(std::min<double>(count, extent));
}

SplitGeometry splitGeometry(std::int32_t width, std::int32_t height, double rows, double columns,
                            double thickness, bool border) {
    const double d = std::isfinite(thickness) ? thickness : 0.0;
    const double w = width;
    const double h = height;
    SplitGeometry geometry;

    const std::int32_t rowLines = splitLineCount(rows, border, height);
    const double bandHeight = h / rows;
    geometry.horizontal.reserve(static_cast<std::size_t>(rowLines));
    for (std::int32_t i = 1; i <= rowLines; ++i) {
        const double y = bandHeight * i - d;
        geometry.horizontal.push_back({0.0f, static_cast<float>(y), static_cast<float>(w), static_cast<float>(d)});
    }

    const std::int32_t columnLines = splitLineCount(columns, border, width);
    const double bandWidth = w / columns;
    geometry.vertical.reserve(static_cast<std::size_t>(columnLines));
    for (std::int32_t i = 1; i <= columnLines; ++i) {
        const double x = bandWidth * i - d;
        geometry.vertical.push_back({static_cast<float>(x), 0.0f, static_cast<float>(d), static_cast<float>(h)});
    }
    return geometry;
}

}  // namespace pixmora
