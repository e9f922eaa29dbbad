#include <gtest/gtest.h>

#include "imaging/bitmap_object.h"
#include "imaging/graphics_object.h"
#include "imaging/guid_text.h"
#include "imaging/toolkit_status.h"
#include "tests/imaging/native_objects.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::BitmapGraphics;
using testing::PenObject;
using testing::Picture;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;

// A white drawing surface without anti-aliasing, read back through PNG.
struct Surface : BitmapGraphics {
    BrushObject white;
    Surface(int width, int height) : BitmapGraphics(width, height) {
        white.createSolidFill(kWhite);
        // Image edges are not blended with the white around them.
        graphics.setInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.fillRectangle(white, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    Picture pixels() {
        graphics.flush();
        return testing::decodePicture(bitmap.saveImageToStream(std::string(kPngFormatText))).picture;
    }
};

int countOf(const Picture& picture, std::uint32_t colour) {
    return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), colour));
}

TEST(GraphicsDrawing, LinesGoWhereTheyAreDrawn) {
    Surface surface(20, 20);
    PenObject pen(kBlack);
    ASSERT_TRUE(surface.graphics.drawLineI(pen, 2, 5, 17, 5));
    std::vector<PointF> points{{10, 8}, {10, 18}, {4, 18}};
    ASSERT_TRUE(surface.graphics.drawLines(pen, points));
    EXPECT_FLOAT_EQ(points[1].y, 18);  // the array keeps its values
    const Picture pixels = surface.pixels();
    for (int x = 2; x <= 17; ++x) EXPECT_EQ(pixels.at(x, 5), kBlack) << x;
    EXPECT_EQ(pixels.at(10, 12), kBlack);
    EXPECT_EQ(pixels.at(6, 18), kBlack);
    EXPECT_EQ(pixels.at(6, 12), kWhite);
    EXPECT_EQ(pixels.at(1, 5), kWhite);
}

TEST(GraphicsDrawing, EllipsesOutlinedAndFilled) {
    Surface surface(40, 20);
    PenObject pen(kBlack);
    BrushObject red;
    ASSERT_TRUE(red.createSolidFill(kRed));
    ASSERT_TRUE(surface.graphics.drawEllipse(pen, 1, 1, 16, 16));
    ASSERT_TRUE(surface.graphics.fillEllipseI(red, 21, 1, 16, 16));
    const Picture pixels = surface.pixels();
    EXPECT_EQ(pixels.at(9, 9), kWhite);    // the outline's inside stays white
    EXPECT_EQ(pixels.at(1, 9), kBlack);    // left of the outline
    EXPECT_EQ(pixels.at(9, 17), kBlack);   // bottom of the outline
    EXPECT_EQ(pixels.at(2, 2), kWhite);    // outside, in the bounding box's corner
    EXPECT_EQ(pixels.at(29, 9), kRed);
    EXPECT_EQ(pixels.at(22, 2), kWhite);
}

TEST(GraphicsDrawing, PolygonsFilledAndOutlined) {
    Surface surface(30, 30);
    BrushObject red;
    ASSERT_TRUE(red.createSolidFill(kRed));
    std::vector<PointI> triangle{{0, 0}, {20, 0}, {0, 20}};
    ASSERT_TRUE(surface.graphics.fillPolygonI(red, triangle));
    PenObject pen(kBlack);
    std::vector<PointF> square{{22, 22}, {28, 22}, {28, 28}, {22, 28}};
    ASSERT_TRUE(surface.graphics.drawPolygon(pen, square));
    const Picture pixels = surface.pixels();
    EXPECT_EQ(pixels.at(3, 3), kRed);
    EXPECT_EQ(pixels.at(15, 15), kWhite);
    EXPECT_EQ(pixels.at(25, 22), kBlack);
    EXPECT_EQ(pixels.at(22, 25), kBlack);  // the closing side
    EXPECT_EQ(pixels.at(25, 25), kWhite);
}

TEST(GraphicsDrawing, EmptyRecordArraysAreRefusedBeforeGdiplus) {
    Surface surface(8, 8);
    PenObject pen(kBlack);
    BrushObject red;
    red.createSolidFill(kRed);
    std::vector<PointF> none;
    std::vector<RectI> noRects;
    for (bool result : {surface.graphics.drawLines(pen, none), surface.graphics.fillPolygon(red, none),
                        surface.graphics.fillRectanglesI(red, noRects)}) {
        EXPECT_FALSE(result);
    }
    lastStatus = 0;
    EXPECT_FALSE(surface.graphics.drawCurve3(pen, none, 0, 0, 0.5f));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_EQ(countOf(surface.pixels(), kWhite), 64);
}

TEST(GraphicsText, StringIsDrawnInsideItsLayoutAndMeasured) {
    Surface surface(120, 40);
    testing::FontObject font(20);
    BrushObject black;
    ASSERT_TRUE(black.createSolidFill(kBlack));
    const RectF layout{60, 5, 60, 30};
    ASSERT_TRUE(surface.graphics.drawString("Ag 图", font, black, layout));
    const Picture pixels = surface.pixels();
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (pixels.at(x, y) != kWhite) ++(x >= 60 && y >= 5 ? inside : outside);
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);

    RectF box{-1, -1, -1, -1};
    const RectF unbounded{0, 0, 0, 0};
    ASSERT_TRUE(surface.graphics.measureString("Ag", font, unbounded, nullptr, box));
    EXPECT_GT(box.width, 5.0f);
    EXPECT_GT(box.height, 10.0f);
    RectF wideBox;
    ASSERT_TRUE(surface.graphics.measureStringW(L"AgAg", font, unbounded, nullptr, wideBox));
    EXPECT_GT(wideBox.width, box.width);
    EXPECT_EQ(unbounded.width, 0.0f);
}

TEST(GraphicsText, Utf8AndUtf16FormsDrawTheSame) {
    Surface plain(80, 30), wide(80, 30);
    testing::FontObject font(16);
    testing::StringFormatObject format;
    BrushObject black;
    black.createSolidFill(kBlack);
    ASSERT_TRUE(plain.graphics.drawString("拼图 ok", font, black, RectF{0, 0, 80, 30}, &format));
    ASSERT_TRUE(wide.graphics.drawStringW(L"拼图 ok", font, black, RectF{0, 0, 80, 30}, &format));
    EXPECT_EQ(plain.pixels().pixels, wide.pixels().pixels);
}

TEST(GraphicsText, CharacterRangesGiveOneRegionPerRange) {
    Surface surface(100, 30);
    testing::FontObject font(16);
    testing::StringFormatObject format;
    format.setRanges({{0, 2}, {3, 2}});
    std::vector<RegionObject> regions(5);
    lastStatus = 0;
    EXPECT_FALSE(surface.graphics.measureCharacterRanges("ab cd", font, RectF{0, 0, 100, 30}, format, 0, regions));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_EQ(regions.size(), 5u);
    ASSERT_TRUE(surface.graphics.measureCharacterRanges("ab cd", font, RectF{0, 0, 100, 30}, format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    const RectF first = regions[0].getRegionBounds(surface.graphics);
    const RectF second = regions[1].getRegionBounds(surface.graphics);
    EXPECT_GT(first.width, 0.0f);
    EXPECT_GT(second.x, first.x + first.width);
    std::vector<RegionObject> wideRegions;
    ASSERT_TRUE(surface.graphics.measureCharacterRangesW(L"ab cd", font, RectF{0, 0, 100, 30}, format, 2, wideRegions));
    EXPECT_TRUE(wideRegions[1].isEqualRegion(regions[1], surface.graphics));
}

TEST(GraphicsText, DriverStringNeedsAPositionPerCharacter) {
    Surface surface(60, 30);
    testing::FontObject font(16);
    BrushObject black;
    black.createSolidFill(kBlack);
    std::vector<PointF> two{{5, 20}, {20, 20}};
    lastStatus = 0;
    EXPECT_FALSE(surface.graphics.drawDriverString("abc", font, black, two));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    EXPECT_EQ(countOf(surface.pixels(), kWhite), 60 * 30);
    std::vector<PointF> three{{5, 20}, {20, 20}, {35, 20}};
    ASSERT_TRUE(surface.graphics.drawDriverStringW(L"abc", font, black, three));
    EXPECT_LT(countOf(surface.pixels(), kWhite), 60 * 30);
}

class ImageDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(image.createBitmapFromStream(testing::encodePicture(
            testing::solidPicture(40, 30, kRed), kPngFormatText)));
    }
    // The bounding box of the red pixels.
    static RectI redBox(const Picture& pixels) {
        int left = pixels.width, top = pixels.height, right = -1, bottom = -1;
        for (int y = 0; y < pixels.height; ++y)
            for (int x = 0; x < pixels.width; ++x)
                if (pixels.at(x, y) == kRed) {
                    left = std::min(left, x), top = std::min(top, y);
                    right = std::max(right, x), bottom = std::max(bottom, y);
                }
        return {left, top, right - left + 1, bottom - top + 1};
    }
    BitmapObject image;
};

TEST_F(ImageDrawing, NaturalSizeAtAPoint) {
    for (int variant = 0; variant < 4; ++variant) {
        Surface surface(60, 50);
        GraphicsObject& g = surface.graphics;
        ASSERT_TRUE(variant == 0 ? g.drawImageRect(image, 5, 5)
                    : variant == 1 ? g.drawImageRectI(image, 5, 5)
                    : variant == 2 ? g.drawImageI(image, 5, 5)
                                   : g.drawImagePointRectI(image, 5, 5, 0, 0, 40, 30));
        // Wine's GDI+ maps the point-based draws with a sub-pixel offset that
        // can leave the first row and column white: one pixel of tolerance.
        const RectI box = redBox(surface.pixels());
        EXPECT_NEAR(box.x, 5, 1) << variant;
        EXPECT_NEAR(box.y, 5, 1) << variant;
        EXPECT_EQ(box.x + box.width, 45) << variant;
        EXPECT_EQ(box.y + box.height, 35) << variant;
    }
}

TEST_F(ImageDrawing, IntoParallelogramsAndRectangles) {
    Surface straight(120, 60);
    ASSERT_TRUE(straight.graphics.drawImagePoints(image, 0, 0, 100, 0, 0, 50));
    // Stretched with nearest-neighbour sampling, Wine's edges may be one pixel off.
    RectI box = redBox(straight.pixels());
    EXPECT_NEAR(box.width, 100, 1);
    EXPECT_NEAR(box.height, 50, 1);
    EXPECT_LE(box.x, 1);

    Surface slanted(130, 60);
    ASSERT_TRUE(slanted.graphics.drawImagePointsI(image, 0, 0, 100, 0, 20, 50));
    const Picture pixels = slanted.pixels();
    EXPECT_EQ(pixels.at(2, 2), kRed);
    EXPECT_EQ(pixels.at(2, 47), kWhite);  // left of the slanted lower-left corner
    EXPECT_EQ(pixels.at(117, 47), kRed);

    Surface stretched(90, 70);
    ASSERT_TRUE(stretched.graphics.drawImageRectRectI(image, 10, 10, 80, 60));
    box = redBox(stretched.pixels());
    EXPECT_NEAR(box.x, 10, 1);
    EXPECT_NEAR(box.width, 80, 1);
    EXPECT_NEAR(box.height, 60, 1);

    Surface part(50, 50);
    testing::ImageAttributesObject attributes;
    ASSERT_TRUE(part.graphics.drawImageRectRectEx(image, 0, 0, 20, 20, 0, 0, 10, 10, kUnitPixel, &attributes));
    ASSERT_TRUE(part.graphics.drawImagePointsRect(image, 25, 25, 45, 25, 25, 45, 0, 0, 10, 10));
    ASSERT_TRUE(part.graphics.drawImagePointsRectI(image, 25, 0, 35, 0, 25, 10, 0, 0, 10, 10, kUnitPixel, &attributes));
    ASSERT_TRUE(part.graphics.drawImageRectRectExI(image, 0, 25, 10, 10, 0, 0, 10, 10));
    ASSERT_TRUE(part.graphics.drawImagePointRect(image, 40, 40, 0, 0, 5, 5));
    const Picture partPixels = part.pixels();
    EXPECT_EQ(redBox(partPixels).x, 0);
    EXPECT_EQ(partPixels.at(44, 44), kRed);
    EXPECT_EQ(partPixels.at(30, 5), kRed);
    EXPECT_EQ(partPixels.at(22, 5), kWhite);
}

TEST_F(ImageDrawing, CachedBitmapAtTruncatedPosition) {
    Surface surface(60, 50);
    testing::CachedBitmapObject cached(image, surface.graphics);
    ASSERT_NE(cached.getNativeHandle(), nullptr);
    ASSERT_TRUE(surface.graphics.drawCachedBitmap(cached, 10.9f, -3.7f));
    const RectI box = redBox(surface.pixels());
    EXPECT_EQ(box.x, 10);
    EXPECT_EQ(box.y, 0);
    EXPECT_EQ(box.height, 27);  // rows from -3 to 26
}

BOOL CALLBACK count(Gdiplus::EmfPlusRecordType, UINT, UINT, const BYTE*, VOID* data) {
    ++*static_cast<int*>(data);
    return TRUE;
}

TEST(GraphicsMetafile, RecordedDrawingIsPlayedRecordByRecord) {
    testing::MetafileObject metafile;
    ASSERT_NE(metafile.getNativeHandle(), nullptr);
    {
        GraphicsObject recorder;
        ASSERT_TRUE(recorder.getImageGraphicsContext(metafile));
        BrushObject red;
        red.createSolidFill(kRed);
        ASSERT_TRUE(recorder.fillRectangle(red, 0, 0, 10, 10));
        // Wine's GDI+ answers NotImplemented for comments.
        EXPECT_FALSE(recorder.comment(ByteArray{'h', 'i'}));
        EXPECT_EQ(lastStatus, Gdiplus::NotImplemented);
    }
    Surface surface(40, 40);
    int records = 0;
    ASSERT_TRUE(surface.graphics.enumerateMetafileDestRect(metafile, RectF{0, 0, 40, 40}, count, &records));
    EXPECT_GT(records, 0);
}

}  // namespace
}  // namespace pixmora
