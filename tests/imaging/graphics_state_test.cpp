#include <gtest/gtest.h>

#include <cmath>

#include "imaging/graphics_object.h"
#include "imaging/toolkit_status.h"
#include "tests/imaging/native_objects.h"

namespace pixmora {
namespace {

using testing::BitmapGraphics;
using testing::MatrixObject;

constexpr int kWorldSpace = Gdiplus::CoordinateSpaceWorld;
constexpr int kPageSpace = Gdiplus::CoordinateSpacePage;

PointF toPage(GraphicsObject& graphics, PointF point) {
    std::vector<PointF> points{point};
    EXPECT_TRUE(graphics.transformPoints(kPageSpace, kWorldSpace, points));
    return points[0];
}

TEST(GraphicsDeviceContext, HandedOutOnceAndGivenBack) {
    BitmapGraphics context;
    GraphicsObject& graphics = context.graphics;
    HDC first = graphics.getDC();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(lastStatus, 0);
    EXPECT_EQ(graphics.getDC(), first);
    EXPECT_EQ(lastStatus, Gdiplus::GenericError);
    EXPECT_TRUE(graphics.releaseDC());
    EXPECT_EQ(lastStatus, 0);
    lastStatus = 9;
    EXPECT_FALSE(graphics.releaseDC());
    EXPECT_EQ(lastStatus, 0);
    // A context still out is given back when the graphics is deleted.
    ASSERT_NE(graphics.getDC(), nullptr);
    EXPECT_TRUE(graphics.deleteGraphics());
    EXPECT_FALSE(graphics.isValid());
}

TEST(GraphicsDeviceContext, EmptyObjectHandsOutNothing) {
    GraphicsObject graphics;
    EXPECT_EQ(graphics.getDC(), nullptr);
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_FALSE(graphics.releaseDC());
    EXPECT_EQ(lastStatus, 0);
}

TEST(GraphicsTransform, RotateAboutACentreInEitherOrder) {
    for (int order : {0, 1}) {
        BitmapGraphics context;
        ASSERT_TRUE(context.graphics.rotateWorldTransformAt(90, PointF{10, 10}, order));
        const PointF moved = toPage(context.graphics, PointF{20, 10});
        EXPECT_NEAR(moved.x, 10, 1e-4) << order;
        EXPECT_NEAR(moved.y, 20, 1e-4) << order;
    }
}

TEST(GraphicsTransform, ScaleAboutACentreKeepsTheCentre) {
    for (int order : {0, 1}) {
        BitmapGraphics context;
        ASSERT_TRUE(context.graphics.scaleWorldTransformAt(2, 2, PointF{5, 5}, order));
        std::vector<PointF> points{{5, 5}, {6, 5}, {5, 7}};
        ASSERT_TRUE(context.graphics.transformPoints(kPageSpace, kWorldSpace, points));
        EXPECT_FLOAT_EQ(points[0].x, 5);
        EXPECT_FLOAT_EQ(points[0].y, 5);
        EXPECT_FLOAT_EQ(points[1].x, 7);
        EXPECT_FLOAT_EQ(points[2].y, 9);
    }
}

TEST(GraphicsTransform, OrderMattersAfterAnExistingTransform) {
    BitmapGraphics prepend, append;
    for (GraphicsObject* graphics : {&prepend.graphics, &append.graphics})
        ASSERT_TRUE(graphics->translateWorldTransform(100, 0));
    ASSERT_TRUE(prepend.graphics.scaleWorldTransform(2, 2, 0));
    ASSERT_TRUE(append.graphics.scaleWorldTransform(2, 2, 1));
    EXPECT_FLOAT_EQ(toPage(prepend.graphics, PointF{1, 1}).x, 102);
    EXPECT_FLOAT_EQ(toPage(append.graphics, PointF{1, 1}).x, 202);
}

TEST(GraphicsTransform, MatricesInAndOut) {
    BitmapGraphics context;
    GraphicsObject& graphics = context.graphics;
    MatrixObject shift(1, 0, 0, 1, 3, 4);
    ASSERT_TRUE(graphics.setWorldTransform(shift));
    ASSERT_TRUE(graphics.multiplyWorldTransform(shift, 1));
    MatrixObject read;  // empty: gets a matrix of its own
    ASSERT_TRUE(graphics.getWorldTransform(read));
    EXPECT_EQ(read.elements(), (std::vector<float>{1, 0, 0, 1, 6, 8}));
    ASSERT_TRUE(graphics.rotateWorldTransform(90));
    ASSERT_TRUE(graphics.getWorldTransform(read));  // filled in place
    EXPECT_NEAR(read.elements()[1], 1, 1e-6);
    ASSERT_TRUE(graphics.resetWorldTransform());
    std::vector<PointI> points{{7, 9}};
    ASSERT_TRUE(graphics.transformPointsI(kPageSpace, kWorldSpace, points));
    EXPECT_EQ(points[0].x, 7);

    GraphicsObject empty;
    MatrixObject untouched;
    EXPECT_FALSE(empty.getWorldTransform(untouched));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_EQ(untouched.getNativeHandle(), nullptr);
}

TEST(GraphicsTransform, EmptyPointArraysAreRefusedBeforeGdiplus) {
    BitmapGraphics context;
    std::vector<PointF> none;
    std::vector<PointI> noneI;
    lastStatus = 0;
    EXPECT_FALSE(context.graphics.transformPoints(kPageSpace, kWorldSpace, none));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    lastStatus = 0;
    EXPECT_FALSE(context.graphics.transformPointsI(kPageSpace, kWorldSpace, noneI));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
}

TEST(GraphicsSettings, ValuesSetAreReadBack) {
    BitmapGraphics context;
    GraphicsObject& g = context.graphics;
    ASSERT_TRUE(g.setCompositingMode(Gdiplus::CompositingModeSourceCopy));
    EXPECT_EQ(g.getCompositingMode(), Gdiplus::CompositingModeSourceCopy);
    ASSERT_TRUE(g.setCompositingQuality(Gdiplus::CompositingQualityHighQuality));
    EXPECT_EQ(g.getCompositingQuality(), Gdiplus::CompositingQualityHighQuality);
    ASSERT_TRUE(g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    EXPECT_EQ(g.getSmoothingMode(), Gdiplus::SmoothingModeAntiAlias);
    ASSERT_TRUE(g.setTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias));
    EXPECT_EQ(g.getTextRenderingHint(), Gdiplus::TextRenderingHintAntiAlias);
    ASSERT_TRUE(g.setInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
    EXPECT_EQ(g.getInterpolationMode(), Gdiplus::InterpolationModeNearestNeighbor);
    ASSERT_TRUE(g.setPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
    EXPECT_EQ(g.getPixelOffsetMode(), Gdiplus::PixelOffsetModeHalf);
    ASSERT_TRUE(g.setRenderingOrigin(3, 4));
    std::int32_t x = 0, y = 0;
    ASSERT_TRUE(g.getRenderingOrigin(x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    ASSERT_TRUE(g.setPageUnit(Gdiplus::UnitPixel));
    EXPECT_EQ(g.getPageUnit(), Gdiplus::UnitPixel);
    ASSERT_TRUE(g.setPageScale(2.5f));
    EXPECT_EQ(g.getPageScale(), 2.5f);
    EXPECT_GT(g.getDpiX(), 0.0f);
    EXPECT_GT(g.getDpiY(), 0.0f);
    ASSERT_TRUE(g.setTextContrast(5));
    EXPECT_EQ(g.getTextContrast(), 5u);
    EXPECT_EQ(g.getNearestColor(0xFF102030), 0xFF102030u);  // a 32-bit image shows every colour
    lastStatus = 42;
    g.flush();
    EXPECT_EQ(lastStatus, 42);
}

TEST(GraphicsClip, RectanglesRegionsAndVisibility) {
    BitmapGraphics context(40, 40);
    GraphicsObject& g = context.graphics;
    EXPECT_FALSE(g.isClipEmpty());
    ASSERT_TRUE(g.setClipRect(10, 10, 20, 20));
    ASSERT_TRUE(g.setClipRectI(0, 0, 15, 40, Gdiplus::CombineModeIntersect));
    const RectF bounds = g.getClipBounds();
    EXPECT_EQ(bounds.x, 10);
    EXPECT_EQ(bounds.width, 5);
    EXPECT_TRUE(g.isVisiblePoint(12, 12));
    EXPECT_FALSE(g.isVisiblePointI(20, 12));
    EXPECT_TRUE(g.isVisibleRect(0, 0, 11, 11));
    EXPECT_FALSE(g.isVisibleRectI(30, 30, 5, 5));
    ASSERT_TRUE(g.translateClip(5, 0));
    ASSERT_TRUE(g.translateClipI(0, 5));
    EXPECT_EQ(g.getClipBoundsI().x, 15);
    EXPECT_EQ(g.getVisibleClipBoundsI().y, 15);
    EXPECT_EQ(g.getVisibleClipBounds().height, 20);
    RegionObject clip;  // empty: gets a region of its own
    ASSERT_TRUE(g.getClip(clip));
    EXPECT_TRUE(clip.isVisibleRegionPointI(PointI{16, 16}, g));

    ASSERT_TRUE(g.setClipRect(50, 50, 5, 5));  // outside the picture
    EXPECT_FALSE(g.isClipEmpty());
    EXPECT_TRUE(g.isVisibleClipEmpty());
    ASSERT_TRUE(g.setClipRegion(clip));
    EXPECT_TRUE(g.isVisiblePointI(16, 16));
    ASSERT_TRUE(g.resetClip());
    EXPECT_TRUE(g.isVisiblePointI(1, 1));
    testing::PathObject path(0, 0, 4, 4);
    ASSERT_TRUE(g.setClipPath(path));
    EXPECT_FALSE(g.isVisiblePointI(6, 6));
    HRGN gdiRegion = CreateRectRgn(20, 20, 30, 30);
    ASSERT_TRUE(g.setClipHrgn(gdiRegion));
    EXPECT_TRUE(g.isVisiblePointI(25, 25));
    DeleteObject(gdiRegion);
    BitmapGraphics other(40, 40);
    ASSERT_TRUE(other.graphics.setClipRectI(0, 0, 8, 8));
    ASSERT_TRUE(g.setClipGraphics(other.graphics));
    EXPECT_FALSE(g.isVisiblePointI(25, 25));
    EXPECT_TRUE(g.isVisiblePointI(7, 7));
}

TEST(GraphicsClip, EmptyObjectGivesZerosAndInvalidParameter) {
    GraphicsObject g;
    const RectF bounds = g.getClipBounds();
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_TRUE(bounds.x == 0 && bounds.y == 0 && bounds.width == 0 && bounds.height == 0);
    EXPECT_FALSE(g.isVisiblePoint(0, 0));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
}

TEST(GraphicsStates, SavedStatesAndContainersRestore) {
    BitmapGraphics context;
    GraphicsObject& g = context.graphics;
    const std::uint32_t saved = g.saveGraphics();
    EXPECT_EQ(lastStatus, 0);
    ASSERT_TRUE(g.translateWorldTransform(5, 5));
    ASSERT_TRUE(g.restoreGraphics(saved));
    EXPECT_FLOAT_EQ(toPage(g, PointF{1, 1}).x, 1);

    // A container mapping the source rectangle onto one twice as large.
    const std::uint32_t container = g.beginContainer(RectF{0, 0, 20, 20}, RectF{0, 0, 10, 10}, Gdiplus::UnitPixel);
    EXPECT_EQ(lastStatus, 0);
    EXPECT_FLOAT_EQ(toPage(g, PointF{3, 1}).x, 6);
    ASSERT_TRUE(g.endContainer(container));
    const std::uint32_t containerI = g.beginContainerI(RectI{10, 0, 10, 10}, RectI{0, 0, 10, 10}, Gdiplus::UnitPixel);
    EXPECT_EQ(lastStatus, 0);
    EXPECT_FLOAT_EQ(toPage(g, PointF{1, 1}).x, 11);
    ASSERT_TRUE(g.endContainer(containerI));
    // The default unit, GDI+'s world unit, is no unit for a container.
    EXPECT_EQ(g.beginContainer(RectF{0, 0, 20, 20}, RectF{0, 0, 10, 10}), 0u);
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    const std::uint32_t plain = g.beginContainer2();
    EXPECT_EQ(lastStatus, 0);
    ASSERT_TRUE(g.endContainer(plain));
    EXPECT_FLOAT_EQ(toPage(g, PointF{1, 1}).x, 1);
}

TEST(GraphicsCreation, WindowAndDeviceContext) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 30, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    GraphicsObject graphics;
    for (bool icm : {false, true}) {
        ASSERT_TRUE(graphics.createFromHWND(window, icm));
        EXPECT_TRUE(graphics.isValid());
    }
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(graphics.createFromHDC(screen, nullptr));
    ASSERT_TRUE(graphics.createFromHDC(screen));
    EXPECT_TRUE(graphics.deleteGraphics());
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
    EXPECT_FALSE(graphics.createFromHDC(nullptr));
    EXPECT_NE(lastStatus, 0);
    EXPECT_FALSE(graphics.isValid());
}

}  // namespace
}  // namespace pixmora
