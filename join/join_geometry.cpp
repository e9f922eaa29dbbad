#include "join/join_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pixmora {
namespace {

// A whole-pixel canvas side from a product formed in double, truncated toward
// zero; a side GDI+ could never allocate is held at the largest it accepts,
// where the bitmap creation then fails instead of the size wrapping around.
std::int32_t canvasSide(double product) {
    const double truncated = std::trunc(product);
    if (!(truncated > 0)) return 0;
    return static_cast<std::int32_t>(std::min<double>(truncated, std::numeric_limits<std::int32_t>::max()));
}

// A rectangle along the layout's axis: `along` is the position and `length`
// the extent in the direction the cells follow each other, `across` the extent
// the other way. Stacked, the cells follow each other downwards.
RectF alongAxis(bool stacked, double along, double length, double across) {
    return stacked ? RectF{0.0f, static_cast<float>(along), static_cast<float>(across), static_cast<float>(length)}
                   : RectF{static_cast<float>(along), 0.0f, static_cast<float>(length), static_cast<float>(across)};
}

}  // namespace

JoinGeometry joinGeometry(int count, std::int32_t cellWidth, std::int32_t cellHeight, double thickness,
                          bool stacked, bool border) {
    const int n = std::clamp(count, 0, 4);
    const double d = std::isfinite(thickness) ? thickness : 0.0;
    // Cell extent along the axis and across it.
    const double step = stacked ? cellHeight : cellWidth;
    const double across = stacked ? cellWidth : cellHeight;

    JoinGeometry geometry;
    const double total = step * n;
    geometry.canvasWidth = stacked ? canvasSide(cellWidth) : canvasSide(total);
    geometry.canvasHeight = stacked ? canvasSide(total) : canvasSide(cellHeight);

    for (int k = 1; k <= 4; ++k) geometry.cells[k - 1] = alongAxis(stacked, (k - 1) * step, step, across);

    for (int s = 1; s < n; ++s) geometry.bars.push_back(alongAxis(stacked, s * step - d / 2, d, across));

    if (border && n > 0) {
        // The bar across the far end of the axis, then the one along its side.
        const RectF farEnd = alongAxis(stacked, total - d, d, across);
        const RectF side = stacked ? RectF{static_cast<float>(across - d), 0.0f, static_cast<float>(d),
                                           static_cast<float>(total)}
                                   : RectF{0.0f, static_cast<float>(across - d), static_cast<float>(total),
                                           static_cast<float>(d)};
        geometry.bars.push_back(farEnd);
        geometry.bars.push_back(side);
    }
    return geometry;
}

}  // namespace pixmora
