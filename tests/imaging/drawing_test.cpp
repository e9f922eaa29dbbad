#include <gtest/gtest.h>

#include "imaging/bitmap_object.h"
#include "imaging/brush_object.h"
#include "imaging/gdiplus_api.h"
#include "imaging/graphics_object.h"
#include "imaging/guid_text.h"
#include "imaging/toolkit_status.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::Picture;

BoundFunction<decltype(&::Gdiplus::DllExports::GdipGetImagePixelFormat)> pixelFormatOf{L"gdiplus.dll",
                                                                                      "GdipGetImagePixelFormat"};

// The bitmap's pixels, read back from lossless PNG bytes.
Picture pixelsOf(BitmapObject& bitmap) {
    const auto decoded = testing::decodePicture(bitmap.saveImageToStream(std::string(kPngFormatText)));
    EXPECT_TRUE(decoded.loaded);
    return decoded.picture;
}

TEST(BitmapObject, CreatesBlankBitmapsInBothPixelFormats) {
    for (auto [format, expected] : {std::pair{std::optional<int>{}, kPixelFormat32bppARGB},
                                    std::pair{std::optional<int>{kPixelFormat32bppRGB}, kPixelFormat32bppRGB}}) {
        BitmapObject bitmap;
        ASSERT_TRUE(format ? bitmap.createBitmapFromScan0(30, 20, *format) : bitmap.createBitmapFromScan0(30, 20));
        Gdiplus::PixelFormat actual = 0;
        pixelFormatOf(static_cast<Gdiplus::GpImage*>(bitmap.getNativeHandle()), &actual);
        EXPECT_EQ(static_cast<int>(actual), expected);
        EXPECT_EQ(bitmap.getImageWidth(), 30u);
        EXPECT_EQ(bitmap.getImageHeight(), 20u);
        EXPECT_EQ(bitmap.getImageRawFormat(), kMemoryBitmapFormatText);
    }
}

TEST(BitmapObject, ZeroSizeFailsAndLeavesItEmpty) {
    BitmapObject bitmap;
    EXPECT_FALSE(bitmap.createBitmapFromScan0(0, 10, kPixelFormat32bppRGB));
    EXPECT_NE(lastStatus, 0);
    EXPECT_FALSE(bitmap.isValid());
}

TEST(GraphicsObject, FillsWholeAndHalfPixelRectangles) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(20, 10, kPixelFormat32bppRGB));
    GraphicsObject graphics;
    ASSERT_TRUE(graphics.getImageGraphicsContext(bitmap));
    BrushObject black, red;
    ASSERT_TRUE(black.createSolidFill(0xFF000000));
    ASSERT_TRUE(red.createSolidFill(0xFFFF0000));
    ASSERT_TRUE(graphics.fillRectangle(black, 0, 0, 20, 10));
    ASSERT_TRUE(graphics.fillRectangle(red, 2, 1, 4, 3));
    // Three pixels high starting half-way through a pixel.
    ASSERT_TRUE(graphics.fillRectangle(red, 10, 2.5f, 5, 3));
    graphics.deleteGraphics();

    const Picture pixels = pixelsOf(bitmap);
    int redRowsRight = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            EXPECT_EQ(pixels.at(x, y), inside ? 0xFFFF0000u : 0xFF000000u) << x << "," << y;
        }
        redRowsRight += pixels.at(12, y) == 0xFFFF0000u;
    }
    EXPECT_EQ(redRowsRight, 3);
    EXPECT_EQ(pixels.at(12, 0), 0xFF000000u);
    EXPECT_EQ(pixels.at(12, 7), 0xFF000000u);
}

TEST(GraphicsObject, DrawImageStretchesTheWholePictureIntoTheRectangle) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("quadrants.png");
    testing::writePicture(testing::textPath(path),
                          testing::quadrantPicture(10, 10, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00),
                          kPngFormatText);
    ImageObject source;
    ASSERT_TRUE(source.loadImageFromFile(path));
    BitmapObject canvas;
    ASSERT_TRUE(canvas.createBitmapFromScan0(60, 30, kPixelFormat32bppRGB));
    GraphicsObject graphics;
    ASSERT_TRUE(graphics.getImageGraphicsContext(canvas));
    BrushObject white;
    white.createSolidFill(0xFFFFFFFF);
    graphics.fillRectangle(white, 0, 0, 60, 30);
    // 1:1 at the left, stretched to 40 x 20 at (20, 10).
    ASSERT_TRUE(graphics.drawImageRectRect(source, 0, 0, 10, 10));
    ASSERT_TRUE(graphics.drawImageRectRect(source, 20, 10, 40, 20));
    graphics.deleteGraphics();

    const Picture pixels = pixelsOf(canvas);
    EXPECT_EQ(pixels.at(2, 2), 0xFFFF0000u);
    EXPECT_EQ(pixels.at(7, 2), 0xFF00FF00u);
    EXPECT_EQ(pixels.at(2, 7), 0xFF0000FFu);
    EXPECT_EQ(pixels.at(7, 7), 0xFFFFFF00u);
    EXPECT_EQ(pixels.at(12, 2), 0xFFFFFFFFu);
    // Quadrants of the stretched copy, away from the interpolated seams.
    EXPECT_EQ(pixels.at(25, 13), 0xFFFF0000u);
    EXPECT_EQ(pixels.at(55, 13), 0xFF00FF00u);
    EXPECT_EQ(pixels.at(25, 27), 0xFF0000FFu);
    EXPECT_EQ(pixels.at(55, 27), 0xFFFFFF00u);
    EXPECT_EQ(pixels.at(15, 20), 0xFFFFFFFFu);
}

TEST(ToolkitObjects, ReleaseOperationsOnEmptyObjectsAndHandleCopiesAgree) {
    BitmapObject bitmap;
    GraphicsObject graphics;
    BrushObject brush;
    lastStatus = 55;
    EXPECT_FALSE(bitmap.disposeImage());
    EXPECT_FALSE(graphics.deleteGraphics());
    EXPECT_FALSE(brush.deleteBrush());
    EXPECT_EQ(lastStatus, 55);

    ASSERT_TRUE(bitmap.createBitmapFromScan0(4, 4));
    ASSERT_TRUE(graphics.getImageGraphicsContext(bitmap));
    ASSERT_TRUE(brush.createSolidFill(0xFF123456));
    EXPECT_TRUE(bitmap.isValid() && graphics.isValid() && brush.isValid());
    EXPECT_TRUE(graphics.deleteGraphics());
    EXPECT_FALSE(graphics.isValid());
    EXPECT_EQ(graphics.getNativeHandle(), nullptr);
}

TEST(GraphicsObject, OperationsOnEmptyObjectsReportInvalidParameter) {
    GraphicsObject graphics;
    BrushObject brush;
    ImageObject image;
    EXPECT_FALSE(graphics.fillRectangle(brush, 0, 0, 1, 1));
    EXPECT_EQ(lastStatus, 2);
    EXPECT_FALSE(graphics.drawImageRectRect(image, 0, 0, 1, 1));
    EXPECT_EQ(lastStatus, 2);
    BitmapObject empty;
    EXPECT_FALSE(graphics.getImageGraphicsContext(empty));
    EXPECT_EQ(lastStatus, 2);
}

}  // namespace
}  // namespace pixmora
