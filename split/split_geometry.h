#pragma once
// Where the split picture's cut lines go: pure arithmetic, no GDI+.
#include <cstdint>
#include <vector>

#include "imaging/toolkit_types.h"

namespace pixmora {

struct SplitGeometry {
    std::vector<RectF> horizontal;  // drawn first, top to bottom
    std::vector<RectF> vertical;    // then these, left to right
};

// How many lines a pass draws for `bands` bands: trunc(bands) with the edge
// line, trunc(bands - 1) without; none when that is not positive (or not a
// number). A line is at least a pixel apart from the next only while there
// are no more lines than pixels across the extent, so the count is held at
// `extent`: beyond it the lines are invisible slivers, and a count in the
// millions would keep the program drawing for minutes.
std::int32_t splitLineCount(double bands, bool border, std::int32_t extent);

// The cut lines over a width x height picture cut into `rows` horizontal and
// `columns` vertical bands, `thickness` pixels thick. Each line ends at its
// band boundary (H / rows) * i, covering the `thickness` pixels before it.
// The quotients, products and differences are formed in double and handed on
// as floats, not rounded to whole pixels. A thickness that is not a finite
// number counts as 0.
SplitGeometry splitGeometry(std::int32_t width, std::int32_t height, double rows, double columns,
                            double thickness, bool border);

}  // namespace pixmora
