#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "split/split_geometry.h"
#include "tests/support/composition_support.h"

namespace pixmora {
namespace {

struct LineCase {
    const char* name;
    std::int32_t width, height;
    double rows, columns, thickness;
    bool border;
    std::vector<RectF> horizontal, vertical;
};

TEST(SplitGeometry, HorizontalThenVerticalLines) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<LineCase> cases = {
        {"three by two, no border", 600, 300, 3, 2, 2, false, {{0, 98, 600, 2}, {0, 198, 600, 2}}, {{298, 0, 2, 300}}},
        {"three by two, border", 600, 300, 3, 2, 2, true, {{0, 98, 600, 2}, {0, 198, 600, 2}, {0, 298, 600, 2}},
         {{298, 0, 2, 300}, {598, 0, 2, 300}}},
        {"the settings at start", 600, 300, 1, 1, 1, true, {{0, 299, 600, 1}}, {{599, 0, 1, 300}}},
        {"one band each, no border", 600, 300, 1, 1, 1, false, {}, {}},
        {"counts 0 and negative", 600, 300, 0, -3, 2, true, {}, {}},
        {"counts 0 and negative, no border", 600, 300, 0, -3, 2, false, {}, {}},
        {"thickness 0", 600, 300, 2, 2, 0, false, {{0, 150, 600, 0}}, {{300, 0, 0, 300}}},
        {"positions not whole", 50, 100, 3, 1, 1, false, {{0, 32.333332f, 50, 1}, {0, 65.666664f, 50, 1}}, {}},
        {"a count that is not whole is cut down", 600, 300, 1.9, 2.5, 1, true,
         {{0, static_cast<float>(300 / 1.9 - 1), 600, 1}}, {{239, 0, 1, 300}, {479, 0, 1, 300}}},
        {"counts that are not numbers draw nothing", 600, 300, nan, nan, 1, true, {}, {}},
        {"a thickness that is not a number counts as 0", 600, 300, 2, 1, nan, false, {{0, 150, 600, 0}}, {}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SplitGeometry g = splitGeometry(c.width, c.height, c.rows, c.columns, c.thickness, c.border);
        EXPECT_EQ(g.horizontal, c.horizontal);
        EXPECT_EQ(g.vertical, c.vertical);
    }
}

TEST(SplitGeometry, NoMoreLinesThanPixels) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(splitLineCount(1e9, true, 300), 300);
    EXPECT_EQ(splitLineCount(inf, false, 300), 300);
    EXPECT_EQ(splitLineCount(99, false, 300), 98);
    EXPECT_EQ(splitLineCount(99, true, 40), 40);
    EXPECT_EQ(splitLineCount(3, true, 0), 0);
    const SplitGeometry g = splitGeometry(20, 10, 1e9, 1e12, 1, true);
    EXPECT_EQ(g.horizontal.size(), 10u);
    EXPECT_EQ(g.vertical.size(), 20u);
}

}  // namespace
}  // namespace pixmora
