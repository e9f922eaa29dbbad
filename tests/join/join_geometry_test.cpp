#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "join/colour_to_argb.h"
#include "join/join_geometry.h"
#include "tests/support/composition_support.h"

namespace pixmora {
namespace {

struct BarCase {
    const char* name;
    int count;
    std::int32_t width, height;
    double thickness;
    bool stacked, border;
    std::int32_t canvasWidth, canvasHeight;
    std::vector<RectF> bars;
};

TEST(JoinGeometry, CanvasAndBarsInDrawingOrder) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<BarCase> cases = {
        {"side by side, two, the example", 2, 400, 300, 4, false, true, 800, 300,
         {{398, 0, 4, 300}, {796, 0, 4, 300}, {0, 296, 800, 4}}},
        {"stacked, three, no border", 3, 50, 40, 2, true, false, 50, 120, {{0, 39, 50, 2}, {0, 79, 50, 2}}},
        {"stacked, none", 0, 50, 40, 2, true, true, 50, 0, {}},
        {"side by side, none", 0, 50, 40, 2, false, true, 0, 40, {}},
        {"stacked, one, border", 1, 30, 20, 1, true, true, 30, 20, {{0, 19, 30, 1}, {29, 0, 1, 20}}},
        {"side by side, one, border", 1, 30, 20, 1, false, true, 30, 20, {{29, 0, 1, 20}, {0, 19, 30, 1}}},
        {"side by side, one, no border", 1, 30, 20, 1, false, false, 30, 20, {}},
        {"stacked, two, border", 2, 30, 20, 2, true, true, 30, 40,
         {{0, 19, 30, 2}, {0, 38, 30, 2}, {28, 0, 2, 40}}},
        {"stacked, four, odd thickness", 4, 10, 10, 3, true, true, 10, 40,
         {{0, 8.5f, 10, 3}, {0, 18.5f, 10, 3}, {0, 28.5f, 10, 3}, {0, 37, 10, 3}, {7, 0, 3, 40}}},
        {"side by side, four, odd thickness, no border", 4, 10, 5, 3, false, false, 40, 5,
         {{8.5f, 0, 3, 5}, {18.5f, 0, 3, 5}, {28.5f, 0, 3, 5}}},
        {"side by side, three, odd thickness, border", 3, 7, 9, 5, false, true, 21, 9,
         {{4.5f, 0, 5, 9}, {11.5f, 0, 5, 9}, {16, 0, 5, 9}, {0, 4, 21, 5}}},
        {"thickness 0", 2, 30, 20, 0, false, true, 60, 20, {{30, 0, 0, 20}, {60, 0, 0, 20}, {0, 20, 60, 0}}},
        {"more than four slots counts as four", 9, 10, 10, 2, false, false, 40, 10,
         {{9, 0, 2, 10}, {19, 0, 2, 10}, {29, 0, 2, 10}}},
        {"a negative count draws nothing", -2, 10, 10, 2, false, true, 0, 10, {}},
        {"a thickness that is not a number counts as 0", 2, 10, 10, nan, true, false, 10, 20, {{0, 10, 10, 0}}},
        {"no picture loaded", 2, 0, 0, 2, false, true, 0, 0, {{-1, 0, 2, 0}, {-2, 0, 2, 0}, {0, -2, 0, 2}}},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.name);
        const JoinGeometry g = joinGeometry(c.count, c.width, c.height, c.thickness, c.stacked, c.border);
        EXPECT_EQ(g.canvasWidth, c.canvasWidth);
        EXPECT_EQ(g.canvasHeight, c.canvasHeight);
        EXPECT_EQ(g.bars, c.bars);
    }
}

TEST(JoinGeometry, AllFourCellsWhateverTheCount) {
    const JoinGeometry row = joinGeometry(1, 400, 300, 4, false, true);
    EXPECT_EQ(row.cells[0], (RectF{0, 0, 400, 300}));
    EXPECT_EQ(row.cells[1], (RectF{400, 0, 400, 300}));
    EXPECT_EQ(row.cells[3], (RectF{1200, 0, 400, 300}));
    const JoinGeometry column = joinGeometry(3, 800, 600, 1, true, false);
    EXPECT_EQ(column.cells[0], (RectF{0, 0, 800, 600}));
    EXPECT_EQ(column.cells[2], (RectF{0, 1200, 800, 600}));
    EXPECT_EQ(column.cells[3], (RectF{0, 1800, 800, 600}));
}

TEST(JoinGeometry, CanvasTooLargeForGdiplusDoesNotWrapAround) {
    const JoinGeometry g = joinGeometry(4, std::numeric_limits<std::int32_t>::max(), 10, 1, false, false);
    EXPECT_EQ(g.canvasWidth, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(g.canvasHeight, 10);
}

TEST(ColourToArgb, SwapsRedAndBlueAndSetsAlpha) {
    EXPECT_EQ(colourToArgb(0x00FFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(colourToArgb(0x000000FF), 0xFFFF0000u);
    EXPECT_EQ(colourToArgb(0x00123456), 0xFF563412u);
    EXPECT_EQ(colourToArgb(0x00123456, 0x80), 0x80563412u);
    // Whatever the top byte held, the alpha replaces it.
    EXPECT_EQ(colourToArgb(0x7F00FF00), 0xFF00FF00u);
}

}  // namespace
}  // namespace pixmora
