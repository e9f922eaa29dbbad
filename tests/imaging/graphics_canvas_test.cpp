#include <gtest/gtest.h>

#include "imaging/bitmap_object.h"
#include "imaging/graphics_object.h"
#include "imaging/guid_text.h"
#include "imaging/toolkit_status.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A canvas filled with one colour through GDI+.
struct ColouredCanvas {
    GraphicsObject graphics;
    ColouredCanvas(int width, int height, std::uint32_t argb) {
        EXPECT_TRUE(graphics.createCanvas(width, height));
        BrushObject brush;
        brush.createSolidFill(argb);
        graphics.fillRectangle(brush, 0, 0, static_cast<float>(width), static_cast<float>(height));
        graphics.flush(Gdiplus::FlushIntentionSync);
    }
};

TEST(GraphicsCanvas, CreationSizesAndRecreation) {
    GraphicsObject graphics;
    ASSERT_TRUE(graphics.createCanvas(64, 32));
    EXPECT_TRUE(graphics.isValid());
    EXPECT_NE(graphics.getCanvasDC(), nullptr);
    EXPECT_NE(graphics.getCanvasBitmap(), nullptr);
    EXPECT_EQ(graphics.getCanvasWidth(), 64);
    EXPECT_EQ(graphics.getCanvasHeight(), 32);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(graphics.getCanvasBitmap(), sizeof info, &info));
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmHeight, 32);
    const HBITMAP first = graphics.getCanvasBitmap();
    ASSERT_TRUE(graphics.createCanvas(10, 5));
    EXPECT_EQ(graphics.getCanvasWidth(), 10);
    EXPECT_EQ(GetObjectType(first), 0u);  // the first DIB section is gone
    EXPECT_EQ(graphics.getPixel(9, 4), RGB(0, 0, 0));
    EXPECT_EQ(graphics.getPixel(10, 4), CLR_INVALID);
    EXPECT_TRUE(graphics.deleteGraphics());
    EXPECT_EQ(graphics.getCanvasDC(), nullptr);
    EXPECT_EQ(graphics.getCanvasWidth(), 0);
}

TEST(GraphicsCanvas, BitBltWithAndWithoutSizes) {
    ColouredCanvas source(20, 20, 0xFF0000FF);
    GraphicsObject target;
    ASSERT_TRUE(target.createCanvas(10, 10));
    ASSERT_TRUE(target.bitBlt(source.graphics.getCanvasDC(), 0, 0, 0, 0));
    EXPECT_EQ(target.getPixel(9, 9), kBlue);
    ColouredCanvas red(4, 4, 0xFFFF0000);
    ASSERT_TRUE(target.bitBlt(red.graphics.getCanvasDC(), 0, 0, 2, 3, 2, 1));
    EXPECT_EQ(target.getPixel(2, 3), kRed);
    EXPECT_EQ(target.getPixel(3, 3), kRed);
    EXPECT_EQ(target.getPixel(4, 3), kBlue);
    EXPECT_EQ(target.getPixel(2, 4), kBlue);
}

TEST(GraphicsCanvas, StretchBltDefaultsToTheCanvasSize) {
    ColouredCanvas source(8, 8, 0xFF00FF00);
    GraphicsObject target;
    ASSERT_TRUE(target.createCanvas(8, 8));
    ASSERT_TRUE(target.stretchBlt(source.graphics.getCanvasDC(), 0, 0, {}, {}, 0, 0));
    EXPECT_EQ(target.getPixel(7, 7), kGreen);
    ColouredCanvas red(2, 2, 0xFFFF0000);
    ASSERT_TRUE(target.stretchBlt(red.graphics.getCanvasDC(), 0, 0, 2, 2, 0, 0, 4, 4));
    EXPECT_EQ(target.getPixel(3, 3), kRed);
    EXPECT_EQ(target.getPixel(4, 4), kGreen);
}

TEST(GraphicsCanvas, AlphaBlendConstantAndPerPixel) {
    ColouredCanvas source(4, 4, 0xFFFFFFFF);
    GraphicsObject target;
    ASSERT_TRUE(target.createCanvas(4, 4));
    ASSERT_TRUE(target.alphaBlend(source.graphics.getCanvasDC(), 0, 0, {}, {}, 0, 0));
    EXPECT_EQ(target.getPixel(1, 1), kWhite);
    ColouredCanvas black(4, 4, 0xFF000000);
    ASSERT_TRUE(target.alphaBlend(black.graphics.getCanvasDC(), 0, 0, {}, {}, 0, 0, {}, {}, 0x180));  // low byte 128
    const COLORREF half = target.getPixel(1, 1);
    EXPECT_NEAR(GetRValue(half), 127, 2);
    // Per-pixel alpha: a transparent source (alpha 0, colour 0) leaves the target.
    GraphicsObject clear;
    ASSERT_TRUE(clear.createCanvas(4, 4));
    ASSERT_TRUE(target.alphaBlend(clear.getCanvasDC(), 0, 0, {}, {}, 0, 0, {}, {}, 255, true));
    EXPECT_EQ(target.getPixel(1, 1), half);
}

void fillWithGdi(GraphicsObject& canvas, RECT area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(canvas.getCanvasDC(), &area, brush);
    DeleteObject(brush);
}

TEST(GraphicsCanvas, TransparentBltLeavesTheKeyColourOut) {
    // Painted with GDI: Wine compares the key with the whole 32-bit pixel,
    // and GDI+ writes an alpha byte there.
    GraphicsObject source;
    ASSERT_TRUE(source.createCanvas(6, 6));
    fillWithGdi(source, RECT{0, 0, 3, 6}, kGreen);
    fillWithGdi(source, RECT{3, 0, 6, 6}, kRed);
    for (bool useMsimg32 : {false, true}) {
        ColouredCanvas target(6, 6, 0xFF0000FF);
        ASSERT_TRUE(useMsimg32 ? target.graphics.transparentBlt(source.getCanvasDC(), 0, 0, {}, {}, 0, 0, {}, {}, kGreen, true)
                               : target.graphics.transparentBlt(source.getCanvasDC(), 0, 0, {}, {}, 0, 0, {}, {}, kGreen));
        EXPECT_EQ(target.graphics.getPixel(1, 1), kBlue);
        EXPECT_EQ(target.graphics.getPixel(4, 1), kRed);
    }
}

TEST(GraphicsCanvas, TransfersWithoutACanvasFail) {
    ColouredCanvas source(4, 4, 0xFF000000);
    GraphicsObject none;
    lastStatus = 0;
    EXPECT_FALSE(none.bitBlt(source.graphics.getCanvasDC(), 0, 0, 0, 0, 4, 4));
    EXPECT_EQ(lastStatus, Gdiplus::GenericError);
    lastStatus = 0;
    EXPECT_FALSE(none.stretchBlt(source.graphics.getCanvasDC(), 0, 0, 4, 4, 0, 0, 4, 4));
    EXPECT_EQ(lastStatus, Gdiplus::GenericError);
    EXPECT_EQ(none.getPixel(0, 0), CLR_INVALID);
}

TEST(GraphicsCanvas, ClearCanvasRectZeroesOnlyTheRectangle) {
    ColouredCanvas canvas(10, 10, 0xFFFFFFFF);
    ASSERT_TRUE(canvas.graphics.clearCanvasRect(2, 2, 4, 3));
    EXPECT_EQ(canvas.graphics.getPixel(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(canvas.graphics.getPixel(5, 4), RGB(0, 0, 0));
    EXPECT_EQ(canvas.graphics.getPixel(6, 4), kWhite);
    EXPECT_EQ(canvas.graphics.getPixel(2, 5), kWhite);

    GraphicsObject none;
    lastStatus = 33;
    EXPECT_FALSE(none.clearCanvasRect(0, 0, 2, 2));
    EXPECT_EQ(lastStatus, 33);
}

TEST(GraphicsCanvas, DrawCanvasRectangleBlackensTheCanvas) {
    ColouredCanvas canvas(64, 32, 0xFFFFFFFF);
    lastStatus = 12;
    ASSERT_TRUE(canvas.graphics.drawCanvasRectangle());
    EXPECT_EQ(lastStatus, 12);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(canvas.graphics.getPixel(x, y), RGB(0, 0, 0)) << x << "," << y;
    GraphicsObject none;
    EXPECT_FALSE(none.drawCanvasRectangle());
    BitmapObject bitmap;
    bitmap.createBitmapFromScan0(4, 4);
    GraphicsObject withoutCanvas;
    withoutCanvas.getImageGraphicsContext(bitmap);
    EXPECT_TRUE(withoutCanvas.drawCanvasRectangle(PS_DASH));
}

TEST(GraphicsCanvas, CanvasToBytesEncodesJpegByDefault) {
    ColouredCanvas canvas(16, 8, 0xFF3366CC);
    std::string format;
    const ByteArray jpeg = canvas.graphics.canvasToBytes(format);
    EXPECT_EQ(format, kJpegFormatText);
    const auto decoded = testing::decodePicture(jpeg);
    ASSERT_TRUE(decoded.loaded);
    EXPECT_EQ(decoded.format, kJpegFormatText);
    EXPECT_EQ(decoded.picture.width, 16);
    EXPECT_LE(testing::colourDistance(decoded.picture.at(8, 4), 0xFF3366CC), 8);

    std::string png = kPngFormatText;
    const auto lossless = testing::decodePicture(canvas.graphics.canvasToBytes(png));
    EXPECT_EQ(lossless.format, kPngFormatText);
    EXPECT_EQ(lossless.picture.at(0, 7) & 0xFFFFFF, 0x3366CCu);

    GraphicsObject none;
    std::string jpegFormat;
    EXPECT_TRUE(none.canvasToBytes(jpegFormat).empty());
    EXPECT_NE(lastStatus, 0);
}

}  // namespace
}  // namespace pixmora
