#pragma once
// Where the joined picture's cells and bars go: pure arithmetic, no GDI+.
#include <array>
#include <cstdint>
#include <vector>

#include "imaging/toolkit_types.h"

namespace pixmora {

struct JoinGeometry {
    // Canvas size in pixels; 0 on a side means there is nothing to draw on.
    std::int32_t canvasWidth = 0;
    std::int32_t canvasHeight = 0;
    // Where slot 1 to 4 go, all four whatever the count: a cell beyond the
    // canvas simply leaves no trace.
    std::array<RectF, 4> cells{};
    // In drawing order: the dividers seam by seam, then the edge bars (the
    // bottom bar first when stacked, the right bar first side by side).
    std::vector<RectF> bars;
};

// Layout of `count` cells of cellWidth x cellHeight in one row (or one column
// when stacked), with bars `thickness` pixels thick centred on each seam and,
// with `border`, along the bottom and right edges. Products are formed in
// double and handed on as floats, so an odd thickness gives half-pixel bars.
// The count is a number of slots and is held to 0..4; a thickness that is not
// a finite number counts as 0.
JoinGeometry joinGeometry(int count, std::int32_t cellWidth, std::int32_t cellHeight, double thickness,
                          bool stacked, bool border);

}  // namespace pixmora
