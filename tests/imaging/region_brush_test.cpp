#include <gtest/gtest.h>

#include "imaging/brush_object.h"
#include "imaging/region_object.h"
#include "imaging/toolkit_status.h"
#include "tests/imaging/native_objects.h"

namespace pixmora {
namespace {

using testing::MatrixObject;

bool sameRect(const RectF& a, const RectF& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

TEST(BrushObject, CloneGivesADistinctBrushOfTheSameColour) {
    BrushObject brush, copy;
    ASSERT_TRUE(brush.createSolidFill(0x80112233));
    ASSERT_TRUE(brush.cloneBrush(copy));
    EXPECT_TRUE(copy.isValid());
    EXPECT_NE(copy.getNativeHandle(), brush.getNativeHandle());
    EXPECT_EQ(copy.getBrushType(), 0);  // solid colour
    EXPECT_EQ(copy.getSolidFillColor(), 0x80112233u);
    ASSERT_TRUE(brush.setSolidFillColor(0x01FEDCBA));
    EXPECT_EQ(brush.getSolidFillColor(), 0x01FEDCBAu);
    EXPECT_EQ(copy.getSolidFillColor(), 0x80112233u);
}

TEST(BrushObject, EmptyBrushQueriesGiveZero) {
    BrushObject brush, target;
    EXPECT_EQ(brush.getSolidFillColor(), 0u);
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_FALSE(brush.cloneBrush(target));
    EXPECT_FALSE(target.isValid());
}

TEST(RegionObject, CombineWithoutAModeIntersects) {
    RegionObject region;
    ASSERT_TRUE(region.createRegionRect(RectF{0, 0, 20, 20}));
    ASSERT_TRUE(region.combineRegionRect(RectF{10, 5, 20, 20}));
    MatrixObject identity(1, 0, 0, 1, 0, 0);
    std::vector<RectF> scans;
    ASSERT_EQ(region.getRegionScans(identity, scans), 1u);
    EXPECT_TRUE(sameRect(scans[0], RectF{10, 5, 10, 15}));
    ASSERT_TRUE(region.combineRegionRectI(RectI{0, 0, 12, 30}, Gdiplus::CombineModeUnion));
    std::vector<RectI> integerScans;
    EXPECT_GE(region.getRegionScansI(identity, integerScans), 2u);
    EXPECT_EQ(region.getRegionScansCount(identity), integerScans.size());
}

TEST(RegionObject, ScansOfARectangleAndOfAnEmptyRegion) {
    MatrixObject identity(1, 0, 0, 1, 0, 0);
    RegionObject region;
    ASSERT_TRUE(region.createRegionRectI(RectI{3, 4, 5, 6}));
    std::vector<RectI> scans{{9, 9, 9, 9}, {8, 8, 8, 8}};
    ASSERT_EQ(region.getRegionScansI(identity, scans), 1u);
    ASSERT_EQ(scans.size(), 1u);
    EXPECT_EQ(scans[0].x, 3);
    EXPECT_EQ(scans[0].y, 4);
    EXPECT_EQ(scans[0].width, 5);
    EXPECT_EQ(scans[0].height, 6);

    ASSERT_TRUE(region.setEmpty());
    std::vector<RectF> none{{1, 1, 1, 1}};
    EXPECT_EQ(region.getRegionScans(identity, none), 0u);
    EXPECT_EQ(lastStatus, 0);
    EXPECT_TRUE(none.empty());

    RegionObject empty;
    std::vector<RectF> kept{{1, 2, 3, 4}};
    EXPECT_EQ(empty.getRegionScans(identity, kept), 0u);
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_EQ(kept.size(), 1u);
}

TEST(RegionObject, CreatingAgainReplacesAndDeletingTwiceIsRefused) {
    testing::BitmapGraphics context;
    RegionObject region;
    ASSERT_TRUE(region.createRegion());
    EXPECT_TRUE(region.isInfiniteRegion(context.graphics));  // a fresh region is infinite
    ASSERT_TRUE(region.createRegionRect(RectF{0, 0, 5, 5}));
    EXPECT_FALSE(region.isInfiniteRegion(context.graphics));
    EXPECT_TRUE(region.deleteRegion());
    lastStatus = 77;
    EXPECT_FALSE(region.deleteRegion());
    EXPECT_EQ(lastStatus, 77);
    EXPECT_EQ(region.getNativeHandle(), nullptr);
}

TEST(RegionObject, DataCloneHrgnAndVisibility) {
    testing::BitmapGraphics context;
        RegionObject region;
    ASSERT_TRUE(region.createRegionRect(RectF{10, 10, 30, 20}));
    const std::uint32_t size = region.getRegionDataSize();
    ASSERT_GT(size, 0u);
    UINT filled = 0;
    const ByteArray data = region.getRegionData(size, &filled);
    EXPECT_EQ(filled, size);
    RegionObject fromData;
    ASSERT_TRUE(fromData.createRegionRgnData(data, static_cast<std::int32_t>(size)));
    EXPECT_TRUE(fromData.isEqualRegion(region, context.graphics));
    // A size beyond the data is never handed to GDI+.
    RegionObject refused;
    EXPECT_FALSE(refused.createRegionRgnData(data, static_cast<std::int32_t>(size + 1)));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_FALSE(refused.isValid());

    RegionObject copy;
    ASSERT_TRUE(region.cloneRegion(copy));
    EXPECT_NE(copy.getNativeHandle(), region.getNativeHandle());
    ASSERT_TRUE(copy.translateRegion(5, 0));
    ASSERT_TRUE(copy.translateRegionI(0, 5));
    const RectF bounds = copy.getRegionBounds(context.graphics);
    EXPECT_TRUE(sameRect(bounds, RectF{15, 15, 30, 20}));
    const RectI boundsI = copy.getRegionBoundsI(context.graphics);
    EXPECT_EQ(boundsI.x, 15);

    EXPECT_TRUE(region.isVisibleRegionPoint(PointF{10.5f, 10.5f}, context.graphics));
    EXPECT_FALSE(region.isVisibleRegionPointI(PointI{9, 9}, context.graphics));
    EXPECT_TRUE(region.isVisibleRegionRect(RectF{0, 0, 11, 11}, context.graphics));
    EXPECT_FALSE(region.isVisibleRegionRectI(RectI{50, 50, 5, 5}, context.graphics));

    HRGN gdiRegion = region.getRegionHRgn(context.graphics);
    ASSERT_NE(gdiRegion, nullptr);
    RegionObject fromGdi;
    ASSERT_TRUE(fromGdi.createRegionHrgn(gdiRegion));
    EXPECT_TRUE(fromGdi.isEqualRegion(region, context.graphics));
    DeleteObject(gdiRegion);
}

TEST(RegionObject, PathsAndMatrices) {
    testing::PathObject path(0, 0, 10, 10);
    RegionObject region;
    ASSERT_TRUE(region.createRegionPath(path));
    testing::PathObject other(5, 0, 10, 10);
    ASSERT_TRUE(region.combineRegionPath(other, Gdiplus::CombineModeXor));
    MatrixObject doubling(2, 0, 0, 2, 0, 0);
    ASSERT_TRUE(region.transformRegion(doubling));
    testing::BitmapGraphics context;
    const RectF bounds = region.getRegionBounds(context.graphics);
    EXPECT_TRUE(sameRect(bounds, RectF{0, 0, 30, 20}));
    RegionObject empty;
    ASSERT_TRUE(empty.createRegion());
    ASSERT_TRUE(empty.setEmpty());
    EXPECT_TRUE(empty.isEmptyRegion(context.graphics));
    ASSERT_TRUE(empty.setInfinite());
    EXPECT_FALSE(empty.isEmptyRegion(context.graphics));
    ASSERT_TRUE(empty.combineRegionRegion(region));
    EXPECT_TRUE(empty.isEqualRegion(region, context.graphics));
}

}  // namespace
}  // namespace pixmora
