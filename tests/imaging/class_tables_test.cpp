// The virtual operations of each class stand in the order of its class
// table. With the Itanium C++ ABI that GCC uses, a pointer to a virtual
// member function holds 1 + the byte offset of its slot in the vtable, so
// the slots can be read and compared.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "imaging/bitmap_object.h"
#include "imaging/brush_object.h"
#include "imaging/graphics_object.h"
#include "imaging/region_object.h"

namespace pixmora {
namespace {

template <typename Member>
std::ptrdiff_t slotOf(Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t));
    std::ptrdiff_t words[2];
    std::memcpy(words, &member, sizeof words);
    EXPECT_EQ(words[0] % static_cast<std::ptrdiff_t>(sizeof(void*)), 1) << "not a virtual function";
    return (words[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

void expectConsecutive(const std::vector<std::ptrdiff_t>& slots) {
    for (std::size_t i = 1; i < slots.size(); ++i) EXPECT_EQ(slots[i], slots[i - 1] + 1) << "entry " << i;
}

#define S(Class, name) slotOf(&Class::name)

TEST(ClassTables, ToolkitObjectCommonEntries) {
    expectConsecutive({S(ToolkitObject, getNativeHandle), S(ToolkitObject, setNativeHandle)});
    // onHandleSet stands between setNativeHandle and alloc.
    EXPECT_EQ(S(ToolkitObject, alloc), S(ToolkitObject, setNativeHandle) + 2);
    EXPECT_EQ(S(ToolkitObject, free), S(ToolkitObject, alloc) + 1);
}

TEST(ClassTables, ImageObject) {
    // onSubclassHandleSet stands between free and disposeImage.
    EXPECT_EQ(S(ImageObject, disposeImage), S(ImageObject, free) + 2);
    expectConsecutive({S(ImageObject, disposeImage), S(ImageObject, loadImageFromFile),
                       S(ImageObject, loadImageFromFileW), S(ImageObject, loadImageFromStream),
                       S(ImageObject, cloneImage), S(ImageObject, saveImageToFile), S(ImageObject, saveImageToFileW),
                       S(ImageObject, saveImageToStream), S(ImageObject, saveAdd), S(ImageObject, saveAddImage),
                       S(ImageObject, getEncoderParameterList), S(ImageObject, getImageRawFormat),
                       S(ImageObject, getImageBounds), S(ImageObject, getImageDimension), S(ImageObject, getImageType),
                       S(ImageObject, getImageWidth), S(ImageObject, getImageHeight),
                       S(ImageObject, getImageHorizontalResolution), S(ImageObject, getImageVerticalResolution),
                       S(ImageObject, getImageFlags), S(ImageObject, getImagePixelFormat),
                       S(ImageObject, getImageThumbnail), S(ImageObject, imageGetFrameCount),
                       S(ImageObject, imageGetFrameDimensionsList), S(ImageObject, imageSelectActiveFrame),
                       S(ImageObject, getFrameDelays), S(ImageObject, getPropertyItem), S(ImageObject, setPropertyItem),
                       S(ImageObject, removePropertyItem), S(ImageObject, getPropertyIdList),
                       S(ImageObject, imageRotateFlip), S(ImageObject, getImagePalette), S(ImageObject, setImagePalette),
                       S(ImageObject, isValid)});
}

TEST(ClassTables, BitmapObject) {
    using Scan0Full = bool (BitmapObject::*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, BYTE*);
    using Scan0Short = bool (BitmapObject::*)(std::int32_t, std::int32_t, std::int32_t);
    // The bitmap's creators take the image loaders' places.
    EXPECT_EQ(S(BitmapObject, loadImageFromFile), S(ImageObject, loadImageFromFile));
    EXPECT_EQ(S(BitmapObject, loadImageFromStream), S(ImageObject, loadImageFromStream));
    EXPECT_EQ(S(BitmapObject, disposeImage), S(ImageObject, disposeImage));
    expectConsecutive({S(BitmapObject, isValid), slotOf(static_cast<Scan0Full>(&BitmapObject::createBitmapFromScan0)),
                       slotOf(static_cast<Scan0Short>(&BitmapObject::createBitmapFromScan0)),
                       S(BitmapObject, createBitmapFromGraphics), S(BitmapObject, createBitmapFromGdiDib),
                       S(BitmapObject, createBitmapFromHBITMAP), S(BitmapObject, createBitmapFromHICON),
                       S(BitmapObject, createBitmapFromResource), S(BitmapObject, createHBITMAPFromBitmap),
                       S(BitmapObject, createHICONFromBitmap), S(BitmapObject, cloneBitmapArea),
                       S(BitmapObject, cloneBitmapAreaI), S(BitmapObject, bitmapLockBits),
                       S(BitmapObject, bitmapUnlockBits), S(BitmapObject, bitmapGetPixel),
                       S(BitmapObject, bitmapSetPixel), S(BitmapObject, bitmapSetResolution),
                       S(BitmapObject, bitmapApplyEffect), S(BitmapObject, rotateByAngle),
                       S(BitmapObject, rotatedSize)});
}

TEST(ClassTables, GraphicsObject) {
    using G = GraphicsObject;
    EXPECT_EQ(S(G, deleteGraphics), S(G, free) + 2);
    expectConsecutive({
        S(G, deleteGraphics), S(G, flush), S(G, createFromHWND), S(G, createFromHDC), S(G, getImageGraphicsContext),
        S(G, getDC), S(G, releaseDC), S(G, getCompositingMode), S(G, setCompositingMode), S(G, getRenderingOrigin),
        S(G, setRenderingOrigin), S(G, getCompositingQuality), S(G, setCompositingQuality), S(G, setSmoothingMode),
        S(G, getSmoothingMode), S(G, setTextRenderingHint), S(G, getTextRenderingHint), S(G, setInterpolationMode),
        S(G, getInterpolationMode), S(G, setPixelOffsetMode), S(G, getPixelOffsetMode), S(G, setWorldTransform),
        S(G, getWorldTransform), S(G, resetWorldTransform), S(G, multiplyWorldTransform),
        S(G, translateWorldTransform), S(G, scaleWorldTransform), S(G, scaleWorldTransformAt),
        S(G, rotateWorldTransform), S(G, rotateWorldTransformAt), S(G, setPageUnit), S(G, getPageUnit),
        S(G, setPageScale), S(G, getPageScale), S(G, getDpiX), S(G, getDpiY), S(G, transformPoints),
        S(G, transformPointsI), S(G, getNearestColor), S(G, drawLine), S(G, drawLineI), S(G, drawLines),
        S(G, drawLinesI), S(G, drawArc), S(G, drawArcI), S(G, drawBezier), S(G, drawBezierI), S(G, drawBeziers),
        S(G, drawBeziersI), S(G, drawRectangle), S(G, drawRectangleI), S(G, drawRectangles), S(G, drawRectanglesI),
        S(G, drawEllipse), S(G, drawEllipseI), S(G, drawPie), S(G, drawPieI), S(G, drawPolygon), S(G, drawPolygonI),
        S(G, drawPath), S(G, drawCurve), S(G, drawCurveI), S(G, drawCurve2), S(G, drawCurve2I), S(G, drawCurve3),
        S(G, drawCurve3I), S(G, drawClosedCurve), S(G, drawClosedCurveI), S(G, drawClosedCurve2),
        S(G, drawClosedCurve2I), S(G, drawCanvasRectangle), S(G, fillRectangle), S(G, fillRectangleRect),
        S(G, fillRectangleI), S(G, fillRectangles), S(G, fillRectanglesI), S(G, fillPolygon), S(G, fillPolygonI),
        S(G, fillEllipse), S(G, fillEllipseI), S(G, fillPie), S(G, fillPieI), S(G, fillPath), S(G, fillClosedCurve),
        S(G, fillClosedCurve2), S(G, fillClosedCurveI), S(G, fillClosedCurve2I), S(G, fillRegion), S(G, drawString),
        S(G, drawStringW), S(G, measureString), S(G, measureStringW), S(G, measureCharacterRanges),
        S(G, measureCharacterRangesW), S(G, drawDriverString), S(G, drawDriverStringW), S(G, setTextContrast),
        S(G, getTextContrast), S(G, drawImageRect), S(G, drawImageRectI), S(G, drawImage), S(G, drawImageI),
        S(G, drawCachedBitmap), S(G, drawImageRectRect), S(G, drawImageRectRectI), S(G, drawImagePoints),
        S(G, drawImagePointsI), S(G, drawImagePointRect), S(G, drawImagePointRectI), S(G, drawImageRectRectEx),
        S(G, drawImageRectRectExI), S(G, drawImagePointsRect), S(G, drawImagePointsRectI),
        S(G, enumerateMetafileDestPoint), S(G, enumerateMetafileDestPointI), S(G, enumerateMetafileDestPoints),
        S(G, enumerateMetafileDestPointsI), S(G, enumerateMetafileDestRect), S(G, enumerateMetafileDestRectI),
        S(G, enumerateMetafileSrcRectDestPoint), S(G, enumerateMetafileSrcRectDestPointI),
        S(G, enumerateMetafileSrcRectDestPoints), S(G, enumerateMetafileSrcRectDestPointsI),
        S(G, enumerateMetafileSrcRectDestRect), S(G, enumerateMetafileSrcRectDestRectI), S(G, setClipGraphics),
        S(G, setClipPath), S(G, setClipRect), S(G, setClipRectI), S(G, setClipRegion), S(G, setClipHrgn),
        S(G, resetClip), S(G, translateClip), S(G, translateClipI), S(G, getClip), S(G, getClipBounds),
        S(G, getClipBoundsI), S(G, getVisibleClipBounds), S(G, getVisibleClipBoundsI), S(G, isClipEmpty),
        S(G, isVisibleClipEmpty), S(G, isVisiblePoint), S(G, isVisiblePointI), S(G, isVisibleRect),
        S(G, isVisibleRectI), S(G, saveGraphics), S(G, restoreGraphics), S(G, beginContainer), S(G, beginContainerI),
        S(G, beginContainer2), S(G, endContainer), S(G, comment), S(G, isValid), S(G, createCanvas),
        S(G, clearCanvasRect), S(G, bitBlt), S(G, stretchBlt), S(G, alphaBlend), S(G, transparentBlt),
        S(G, getCanvasDC), S(G, getCanvasWidth), S(G, getCanvasHeight), S(G, canvasToBytes), S(G, getCanvasBitmap),
        S(G, getPixel)});
}

TEST(ClassTables, BrushObject) {
    EXPECT_EQ(S(BrushObject, deleteBrush), S(BrushObject, free) + 2);
    expectConsecutive({S(BrushObject, deleteBrush), S(BrushObject, cloneBrush), S(BrushObject, getBrushType),
                       S(BrushObject, isValid), S(BrushObject, createSolidFill), S(BrushObject, setSolidFillColor),
                       S(BrushObject, getSolidFillColor)});
}

TEST(ClassTables, RegionObject) {
    using R = RegionObject;
    // No onSubclassHandleSet: deleteRegion follows free directly.
    expectConsecutive({S(R, free), S(R, deleteRegion), S(R, createRegion), S(R, createRegionRect),
                       S(R, createRegionRectI), S(R, createRegionPath), S(R, createRegionHrgn),
                       S(R, createRegionRgnData), S(R, cloneRegion), S(R, setInfinite), S(R, setEmpty),
                       S(R, combineRegionRect), S(R, combineRegionRectI), S(R, combineRegionRegion),
                       S(R, combineRegionPath), S(R, translateRegion), S(R, translateRegionI), S(R, transformRegion),
                       S(R, getRegionBounds), S(R, getRegionBoundsI), S(R, getRegionDataSize), S(R, getRegionData),
                       S(R, getRegionHRgn), S(R, isEmptyRegion), S(R, isInfiniteRegion), S(R, isEqualRegion),
                       S(R, isVisibleRegionPoint), S(R, isVisibleRegionPointI), S(R, isVisibleRegionRect),
                       S(R, isVisibleRegionRectI), S(R, getRegionScansCount), S(R, getRegionScans),
                       S(R, getRegionScansI), S(R, isValid)});
}

}  // namespace
}  // namespace pixmora
