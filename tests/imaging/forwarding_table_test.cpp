// Every operation that forwards to GDI+, run on a valid object and on an
// empty one: the status GDI+ gives lands in lastStatus, and an empty object
// hands GDI+ a null handle, which it refuses with InvalidParameter.
#include <gtest/gtest.h>

#include <functional>

#include "imaging/bitmap_object.h"
#include "imaging/graphics_object.h"
#include "imaging/toolkit_status.h"
#include "tests/imaging/native_objects.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using namespace testing;

constexpr int kNotImplemented = Gdiplus::NotImplemented;

BOOL CALLBACK acceptRecord(Gdiplus::EmfPlusRecordType, UINT, UINT, const BYTE*, VOID*) { return TRUE; }

// Valid arguments for every kind of operation.
struct Arguments {
    BitmapGraphics target{32, 32};
    PenObject pen;
    BrushObject brush;
    FontObject font;
    StringFormatObject format;
    PathObject path{1, 1, 8, 8};
    MatrixObject matrix{1, 0, 0, 1, 2, 3};
    RegionObject region;
    BitmapObject image;
    ImageAttributesObject attributes;
    MetafileObject metafile;
    std::vector<PointF> points{{1, 1}, {9, 2}, {5, 9}, {2, 6}};
    std::vector<PointI> pointsI{{1, 1}, {9, 2}, {5, 9}, {2, 6}};
    std::vector<RectF> rects{{1, 1, 4, 4}, {6, 6, 3, 3}};
    std::vector<RectI> rectsI{{1, 1, 4, 4}, {6, 6, 3, 3}};
    std::vector<RegionObject> regions;
    RectF rect{0, 0, 20, 10};
    RectF box;

    Arguments() {
        brush.createSolidFill(0xFF336699);
        region.createRegionRect(RectF{0, 0, 10, 10});
        image.createBitmapFromScan0(8, 8);
        format.setRanges({{0, 1}});
        GraphicsObject recorder;
        recorder.getImageGraphicsContext(metafile);
        recorder.fillRectangle(brush, 0, 0, 5, 5);
    }
};

struct Row {
    const char* name;
    std::function<void(GraphicsObject&, Arguments&)> call;
    int validStatus = 0;
    int emptyStatus = kStatusInvalidParameter;
};

#define ROW(name, ...) Row{name, [](GraphicsObject& g, Arguments& a) { (void)a; __VA_ARGS__; }}
#define ROW_STATUS(name, status, ...) \
    Row{name, [](GraphicsObject& g, Arguments& a) { (void)a; __VA_ARGS__; }, status, status}

const std::vector<Row>& graphicsRows() {
    static const std::vector<Row> rows = {
        ROW("getCompositingMode", g.getCompositingMode()),
        ROW("setCompositingMode", g.setCompositingMode(1)),
        ROW("getRenderingOrigin", std::int32_t x, y; g.getRenderingOrigin(x, y)),
        ROW("setRenderingOrigin", g.setRenderingOrigin(1, 2)),
        ROW("getCompositingQuality", g.getCompositingQuality()),
        ROW("setCompositingQuality", g.setCompositingQuality(2)),
        ROW("setSmoothingMode", g.setSmoothingMode(4)),
        ROW("getSmoothingMode", g.getSmoothingMode()),
        ROW("setTextRenderingHint", g.setTextRenderingHint(4)),
        ROW("getTextRenderingHint", g.getTextRenderingHint()),
        ROW("setInterpolationMode", g.setInterpolationMode(5)),
        ROW("getInterpolationMode", g.getInterpolationMode()),
        ROW("setPixelOffsetMode", g.setPixelOffsetMode(4)),
        ROW("getPixelOffsetMode", g.getPixelOffsetMode()),
        ROW("setWorldTransform", g.setWorldTransform(a.matrix)),
        ROW("getWorldTransform", g.getWorldTransform(a.matrix)),
        ROW("resetWorldTransform", g.resetWorldTransform()),
        ROW("multiplyWorldTransform", g.multiplyWorldTransform(a.matrix)),
        ROW("translateWorldTransform", g.translateWorldTransform(1, 2)),
        ROW("scaleWorldTransform", g.scaleWorldTransform(2, 3)),
        ROW("scaleWorldTransformAt", g.scaleWorldTransformAt(2, 3, PointF{4, 5}, 1)),
        ROW("rotateWorldTransform", g.rotateWorldTransform(30)),
        ROW("rotateWorldTransformAt", g.rotateWorldTransformAt(30, PointF{4, 5})),
        ROW("setPageUnit", g.setPageUnit(2)),
        ROW("getPageUnit", g.getPageUnit()),
        ROW("setPageScale", g.setPageScale(2)),
        ROW("getPageScale", g.getPageScale()),
        ROW("getDpiX", g.getDpiX()),
        ROW("getDpiY", g.getDpiY()),
        ROW("transformPoints", g.transformPoints(2, 0, a.points)),
        ROW("transformPointsI", g.transformPointsI(2, 0, a.pointsI)),
        ROW("getNearestColor", g.getNearestColor(0xFF123456)),
        ROW("drawLine", g.drawLine(a.pen, 0, 0, 9, 9)),
        ROW("drawLineI", g.drawLineI(a.pen, 0, 0, 9, 9)),
        ROW("drawLines", g.drawLines(a.pen, a.points)),
        ROW("drawLinesI", g.drawLinesI(a.pen, a.pointsI)),
        ROW("drawArc", g.drawArc(a.pen, 0, 0, 9, 9, 0, 90)),
        ROW("drawArcI", g.drawArcI(a.pen, 0, 0, 9, 9, 0, 90)),
        ROW("drawBezier", g.drawBezier(a.pen, 0, 0, 3, 9, 6, 0, 9, 9)),
        ROW("drawBezierI", g.drawBezierI(a.pen, 0, 0, 3, 9, 6, 0, 9, 9)),
        ROW("drawBeziers", a.points.resize(4); g.drawBeziers(a.pen, a.points)),
        ROW("drawBeziersI", g.drawBeziersI(a.pen, a.pointsI)),
        ROW("drawRectangle", g.drawRectangle(a.pen, 1, 1, 5, 5)),
        ROW("drawRectangleI", g.drawRectangleI(a.pen, 1, 1, 5, 5)),
        ROW("drawRectangles", g.drawRectangles(a.pen, a.rects)),
        ROW("drawRectanglesI", g.drawRectanglesI(a.pen, a.rectsI)),
        ROW("drawEllipse", g.drawEllipse(a.pen, 1, 1, 5, 5)),
        ROW("drawEllipseI", g.drawEllipseI(a.pen, 1, 1, 5, 5)),
        ROW("drawPie", g.drawPie(a.pen, 1, 1, 5, 5, 0, 45)),
        ROW("drawPieI", g.drawPieI(a.pen, 1, 1, 5, 5, 0, 45)),
        ROW("drawPolygon", g.drawPolygon(a.pen, a.points)),
        ROW("drawPolygonI", g.drawPolygonI(a.pen, a.pointsI)),
        ROW("drawPath", g.drawPath(a.pen, a.path)),
        ROW("drawCurve", g.drawCurve(a.pen, a.points)),
        ROW("drawCurveI", g.drawCurveI(a.pen, a.pointsI)),
        ROW("drawCurve2", g.drawCurve2(a.pen, a.points, 0.3f)),
        ROW("drawCurve2I", g.drawCurve2I(a.pen, a.pointsI, 0.3f)),
        ROW("drawCurve3", g.drawCurve3(a.pen, a.points, 1, 2, 0.3f)),
        ROW("drawCurve3I", g.drawCurve3I(a.pen, a.pointsI, 1, 2, 0.3f)),
        ROW("drawClosedCurve", g.drawClosedCurve(a.pen, a.points)),
        ROW("drawClosedCurveI", g.drawClosedCurveI(a.pen, a.pointsI)),
        ROW("drawClosedCurve2", g.drawClosedCurve2(a.pen, a.points, 0.3f)),
        ROW("drawClosedCurve2I", g.drawClosedCurve2I(a.pen, a.pointsI, 0.3f)),
        ROW("fillRectangle", g.fillRectangle(a.brush, 1, 1, 5, 5)),
        ROW("fillRectangleRect", g.fillRectangleRect(a.brush, a.rect)),
        ROW("fillRectangleI", g.fillRectangleI(a.brush, 1, 1, 5, 5)),
        ROW("fillRectangles", g.fillRectangles(a.brush, a.rects)),
        ROW("fillRectanglesI", g.fillRectanglesI(a.brush, a.rectsI)),
        ROW("fillPolygon", g.fillPolygon(a.brush, a.points, 1)),
        ROW("fillPolygonI", g.fillPolygonI(a.brush, a.pointsI)),
        ROW("fillEllipse", g.fillEllipse(a.brush, 1, 1, 5, 5)),
        ROW("fillEllipseI", g.fillEllipseI(a.brush, 1, 1, 5, 5)),
        ROW("fillPie", g.fillPie(a.brush, 1, 1, 5, 5, 0, 45)),
        ROW("fillPieI", g.fillPieI(a.brush, 1, 1, 5, 5, 0, 45)),
        ROW("fillPath", g.fillPath(a.brush, a.path)),
        ROW("fillClosedCurve", g.fillClosedCurve(a.brush, a.points)),
        ROW("fillClosedCurve2", g.fillClosedCurve2(a.brush, a.points, 0.3f, 1)),
        ROW("fillClosedCurveI", g.fillClosedCurveI(a.brush, a.pointsI)),
        ROW("fillClosedCurve2I", g.fillClosedCurve2I(a.brush, a.pointsI, 0.3f)),
        ROW("fillRegion", g.fillRegion(a.brush, a.region)),
        ROW("drawString", g.drawString("ab", a.font, a.brush, a.rect)),
        ROW("drawStringW", g.drawStringW(L"ab", a.font, a.brush, a.rect, &a.format)),
        ROW("measureString", g.measureString("ab", a.font, a.rect, nullptr, a.box)),
        ROW("measureStringW", g.measureStringW(L"ab", a.font, a.rect, &a.format, a.box)),
        ROW("measureCharacterRanges", g.measureCharacterRanges("ab", a.font, a.rect, a.format, 1, a.regions)),
        ROW("measureCharacterRangesW", g.measureCharacterRangesW(L"ab", a.font, a.rect, a.format, 1, a.regions)),
        ROW("drawDriverString", g.drawDriverString("ab", a.font, a.brush, a.points)),
        ROW("drawDriverStringW", g.drawDriverStringW(L"ab", a.font, a.brush, a.points, 1, &a.matrix)),
        ROW("setTextContrast", g.setTextContrast(3)),
        ROW("getTextContrast", g.getTextContrast()),
        ROW("drawImageRect", g.drawImageRect(a.image, 1, 1)),
        ROW("drawImageRectI", g.drawImageRectI(a.image, 1, 1)),
        ROW("drawImage", g.drawImage(a.image, 1, 1)),
        ROW("drawImageI", g.drawImageI(a.image, 1, 1)),
        ROW("drawCachedBitmap", CachedBitmapObject cached(a.image, a.target.graphics); g.drawCachedBitmap(cached, 1, 1)),
        ROW("drawImageRectRect", g.drawImageRectRect(a.image, 1, 1, 5, 5)),
        ROW("drawImageRectRectI", g.drawImageRectRectI(a.image, 1, 1, 5, 5)),
        ROW("drawImagePoints", g.drawImagePoints(a.image, 0, 0, 9, 0, 0, 9)),
        ROW("drawImagePointsI", g.drawImagePointsI(a.image, 0, 0, 9, 0, 0, 9)),
        ROW("drawImagePointRect", g.drawImagePointRect(a.image, 1, 1, 0, 0, 4, 4)),
        ROW("drawImagePointRectI", g.drawImagePointRectI(a.image, 1, 1, 0, 0, 4, 4)),
        ROW("drawImageRectRectEx", g.drawImageRectRectEx(a.image, 1, 1, 5, 5, 0, 0, 4, 4, 2, &a.attributes)),
        ROW("drawImageRectRectExI", g.drawImageRectRectExI(a.image, 1, 1, 5, 5, 0, 0, 4, 4)),
        ROW("drawImagePointsRect", g.drawImagePointsRect(a.image, 0, 0, 9, 0, 0, 9, 0, 0, 4, 4)),
        ROW("drawImagePointsRectI", g.drawImagePointsRectI(a.image, 0, 0, 9, 0, 0, 9, 0, 0, 4, 4, 2, &a.attributes)),
        // Wine exports enumerateMetafile's DestPoints, DestPointsI,
        // SrcRectDestPoint, SrcRectDestPointI and SrcRectDestPointsI as
        // unimplemented stubs that end the process, so those are not run here.
        ROW("enumerateMetafileDestPoint", g.enumerateMetafileDestPoint(a.metafile, PointF{1, 1}, acceptRecord)),
        ROW("enumerateMetafileDestPointI", g.enumerateMetafileDestPointI(a.metafile, PointI{1, 1}, acceptRecord)),
        ROW("enumerateMetafileDestRect", g.enumerateMetafileDestRect(a.metafile, a.rect, acceptRecord)),
        ROW("enumerateMetafileDestRectI", g.enumerateMetafileDestRectI(a.metafile, RectI{0, 0, 9, 9}, acceptRecord)),
        ROW("enumerateMetafileSrcRectDestPoints", a.points.resize(3); g.enumerateMetafileSrcRectDestPoints(a.metafile, a.points, a.rect, 2, acceptRecord)),
        ROW("enumerateMetafileSrcRectDestRect", g.enumerateMetafileSrcRectDestRect(a.metafile, a.rect, a.rect, 2, acceptRecord)),
        ROW("enumerateMetafileSrcRectDestRectI", g.enumerateMetafileSrcRectDestRectI(a.metafile, RectI{0, 0, 9, 9}, RectI{0, 0, 9, 9}, 2, acceptRecord)),
        ROW("setClipGraphics", g.setClipGraphics(a.target.graphics)),
        ROW("setClipPath", g.setClipPath(a.path, 1)),
        ROW("setClipRect", g.setClipRect(1, 1, 5, 5)),
        ROW("setClipRectI", g.setClipRectI(1, 1, 5, 5, 2)),
        ROW("setClipRegion", g.setClipRegion(a.region)),
        ROW("setClipHrgn", HRGN rgn = CreateRectRgn(0, 0, 5, 5); g.setClipHrgn(rgn); DeleteObject(rgn)),
        ROW("resetClip", g.resetClip()),
        ROW("translateClip", g.translateClip(1, 1)),
        ROW("translateClipI", g.translateClipI(1, 1)),
        ROW("getClip", g.getClip(a.region)),
        ROW("getClipBounds", g.getClipBounds()),
        ROW("getClipBoundsI", g.getClipBoundsI()),
        ROW("getVisibleClipBounds", g.getVisibleClipBounds()),
        ROW("getVisibleClipBoundsI", g.getVisibleClipBoundsI()),
        ROW("isClipEmpty", g.isClipEmpty()),
        ROW("isVisibleClipEmpty", g.isVisibleClipEmpty()),
        ROW("isVisiblePoint", g.isVisiblePoint(1, 1)),
        ROW("isVisiblePointI", g.isVisiblePointI(1, 1)),
        ROW("isVisibleRect", g.isVisibleRect(1, 1, 2, 2)),
        ROW("isVisibleRectI", g.isVisibleRectI(1, 1, 2, 2)),
        ROW("saveGraphics", g.saveGraphics()),
        ROW("restoreGraphics", g.restoreGraphics(g.saveGraphics())),
        ROW("beginContainer", g.beginContainer(a.rect, a.rect, 2)),
        ROW("beginContainerI", g.beginContainerI(RectI{0, 0, 9, 9}, RectI{0, 0, 9, 9}, 2)),
        ROW("beginContainer2", g.beginContainer2()),
        ROW("endContainer", g.endContainer(g.beginContainer2())),
        // Wine's GDI+ answers NotImplemented for comments, whatever the graphics.
        ROW_STATUS("comment", kNotImplemented, g.comment(ByteArray{1, 2, 3})),
    };
    return rows;
}

TEST(ForwardingTable, GraphicsOperationsStoreTheirStatus) {
    for (const Row& row : graphicsRows()) {
        Arguments valid;
        lastStatus = -1;
        row.call(valid.target.graphics, valid);
        EXPECT_EQ(lastStatus, row.validStatus) << row.name;

        Arguments arguments;
        GraphicsObject empty;
        lastStatus = -1;
        row.call(empty, arguments);
        EXPECT_EQ(lastStatus, row.emptyStatus) << row.name << " on an empty graphics";
    }
}

// Image, bitmap, brush and region operations on one kind of object each.
template <typename Object>
struct ObjectRow {
    const char* name;
    std::function<void(Object&)> call;
    int validStatus = 0;
};

template <typename Object>
void runRows(const std::vector<ObjectRow<Object>>& rows, const std::function<void(Object&)>& makeValid) {
    for (const auto& row : rows) {
        Object valid;
        makeValid(valid);
        lastStatus = -1;
        row.call(valid);
        EXPECT_EQ(lastStatus, row.validStatus) << row.name;
        Object empty;
        lastStatus = -1;
        row.call(empty);
        EXPECT_EQ(lastStatus, kStatusInvalidParameter) << row.name << " on an empty object";
    }
}

TEST(ForwardingTable, ImageOperationsStoreTheirStatus) {
    const ByteArray gif = gifPicture({solidPicture(4, 4, 0xFFFF0000), solidPicture(4, 4, 0xFF00FF00)}, {5, 6});
    using R = ObjectRow<ImageObject>;
    const std::string time = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
    runRows<ImageObject>(
        {
            R{"getImageType", [](ImageObject& i) { i.getImageType(); }},
            R{"getImageHorizontalResolution", [](ImageObject& i) { i.getImageHorizontalResolution(); }},
            R{"getImageVerticalResolution", [](ImageObject& i) { i.getImageVerticalResolution(); }},
            R{"getImageFlags", [](ImageObject& i) { i.getImageFlags(); }},
            R{"getImagePixelFormat", [](ImageObject& i) { i.getImagePixelFormat(); }},
            R{"getImageThumbnail", [](ImageObject& i) { ImageObject t; i.getImageThumbnail(2, 2, t); }},
            R{"imageGetFrameCount", [&](ImageObject& i) { i.imageGetFrameCount(time); }},
            R{"imageGetFrameDimensionsList", [](ImageObject& i) { std::vector<std::string> d; i.imageGetFrameDimensionsList(d); }},
            R{"imageSelectActiveFrame", [&](ImageObject& i) { i.imageSelectActiveFrame(time, 1); }},
            R{"getFrameDelays", [](ImageObject& i) { std::vector<std::int32_t> d; i.getFrameDelays(d); }},
            R{"getPropertyItem", [](ImageObject& i) { PropertyRecord p; i.getPropertyItem(kFrameDelayPropertyId, p); }},
            R{"setPropertyItem", [](ImageObject& i) { PropertyRecord p{0x013B, 2, 2, {'a', 0}}; i.setPropertyItem(p); }},
            // Wine's GDI+ answers NotImplemented for removing properties.
            R{"removePropertyItem", [](ImageObject& i) { i.removePropertyItem(kFrameDelayPropertyId); }, kNotImplemented},
            R{"getPropertyIdList", [](ImageObject& i) { std::vector<std::int32_t> ids; i.getPropertyIdList(ids); }},
            R{"imageRotateFlip", [](ImageObject& i) { i.imageRotateFlip(6); }},
            R{"getImagePalette", [](ImageObject& i) { PaletteRecord p; i.getImagePalette(p); }},
            R{"setImagePalette", [](ImageObject& i) { PaletteRecord p{0, 2, {0xFF000000, 0xFFFFFFFF}}; i.setImagePalette(p); }},
        },
        [&](ImageObject& image) { image.loadImageFromStream(gif); });
}

TEST(ForwardingTable, BitmapOperationsStoreTheirStatus) {
    using R = ObjectRow<BitmapObject>;
    BitmapObject rotated;  // kept beyond the call: releasing it stores a status of its own
    runRows<BitmapObject>(
        {
            R{"createHBITMAPFromBitmap", [](BitmapObject& b) { DeleteObject(b.createHBITMAPFromBitmap(0xFFFFFFFF)); }},
            R{"createHICONFromBitmap", [](BitmapObject& b) { DestroyIcon(b.createHICONFromBitmap()); }},
            R{"cloneBitmapArea", [](BitmapObject& b) { ImageObject t; b.cloneBitmapArea(RectF{0, 0, 2, 2}, kPixelFormat32bppARGB, t); }},
            R{"cloneBitmapAreaI", [](BitmapObject& b) { ImageObject t; b.cloneBitmapAreaI(RectI{0, 0, 2, 2}, kPixelFormat32bppARGB, t); }},
            R{"bitmapLockBits", [](BitmapObject& b) { Gdiplus::BitmapData d{}; if (b.bitmapLockBits(RectI{0, 0, 2, 2}, 1, kPixelFormat32bppARGB, d)) b.bitmapUnlockBits(d); }},
            R{"bitmapGetPixel", [](BitmapObject& b) { b.bitmapGetPixel(1, 1); }},
            R{"bitmapSetPixel", [](BitmapObject& b) { b.bitmapSetPixel(1, 1, 0xFF00FF00); }},
            R{"bitmapSetResolution", [](BitmapObject& b) { b.bitmapSetResolution(72, 72); }},
            R{"rotateByAngle", [&](BitmapObject& b) { rotated.disposeImage(); b.rotateByAngle(20, rotated, 0xFFFFFFFFu); }},
        },
        [](BitmapObject& bitmap) { bitmap.createBitmapFromScan0(6, 6); });
}

TEST(ForwardingTable, BrushOperationsStoreTheirStatus) {
    using R = ObjectRow<BrushObject>;
    runRows<BrushObject>(
        {
            R{"cloneBrush", [](BrushObject& b) { BrushObject t; b.cloneBrush(t); }},
            R{"getBrushType", [](BrushObject& b) { b.getBrushType(); }},
            R{"setSolidFillColor", [](BrushObject& b) { b.setSolidFillColor(0xFF010203); }},
            R{"getSolidFillColor", [](BrushObject& b) { b.getSolidFillColor(); }},
        },
        [](BrushObject& brush) { brush.createSolidFill(0xFF000000); });
}

TEST(ForwardingTable, RegionOperationsStoreTheirStatus) {
    BitmapGraphics context;
    GraphicsObject& g = context.graphics;
    MatrixObject m(1, 0, 0, 1, 0, 0);
    PathObject path(0, 0, 4, 4);
    RegionObject other;
    other.createRegionRect(RectF{2, 2, 4, 4});
    using R = ObjectRow<RegionObject>;
    runRows<RegionObject>(
        {
            R{"cloneRegion", [](RegionObject& r) { RegionObject t; r.cloneRegion(t); }},
            R{"setInfinite", [](RegionObject& r) { r.setInfinite(); }},
            R{"setEmpty", [](RegionObject& r) { r.setEmpty(); }},
            R{"combineRegionRect", [](RegionObject& r) { r.combineRegionRect(RectF{1, 1, 3, 3}, 2); }},
            R{"combineRegionRectI", [](RegionObject& r) { r.combineRegionRectI(RectI{1, 1, 3, 3}); }},
            R{"combineRegionRegion", [&](RegionObject& r) { r.combineRegionRegion(other, 3); }},
            R{"combineRegionPath", [&](RegionObject& r) { r.combineRegionPath(path); }},
            R{"translateRegion", [](RegionObject& r) { r.translateRegion(1, 2); }},
            R{"translateRegionI", [](RegionObject& r) { r.translateRegionI(1, 2); }},
            R{"transformRegion", [&](RegionObject& r) { r.transformRegion(m); }},
            R{"getRegionBounds", [&](RegionObject& r) { r.getRegionBounds(g); }},
            R{"getRegionBoundsI", [&](RegionObject& r) { r.getRegionBoundsI(g); }},
            R{"getRegionDataSize", [](RegionObject& r) { r.getRegionDataSize(); }},
            R{"getRegionData", [](RegionObject& r) { r.getRegionData(256); }},
            R{"getRegionHRgn", [&](RegionObject& r) { DeleteObject(r.getRegionHRgn(g)); }},
            R{"isEmptyRegion", [&](RegionObject& r) { r.isEmptyRegion(g); }},
            R{"isInfiniteRegion", [&](RegionObject& r) { r.isInfiniteRegion(g); }},
            R{"isEqualRegion", [&](RegionObject& r) { r.isEqualRegion(other, g); }},
            R{"isVisibleRegionPoint", [&](RegionObject& r) { r.isVisibleRegionPoint(PointF{1, 1}, g); }},
            R{"isVisibleRegionPointI", [&](RegionObject& r) { r.isVisibleRegionPointI(PointI{1, 1}, g); }},
            R{"isVisibleRegionRect", [&](RegionObject& r) { r.isVisibleRegionRect(RectF{1, 1, 2, 2}, g); }},
            R{"isVisibleRegionRectI", [&](RegionObject& r) { r.isVisibleRegionRectI(RectI{1, 1, 2, 2}, g); }},
            R{"getRegionScansCount", [&](RegionObject& r) { r.getRegionScansCount(m); }},
            R{"getRegionScans", [&](RegionObject& r) { std::vector<RectF> s; r.getRegionScans(m, s); }},
            R{"getRegionScansI", [&](RegionObject& r) { std::vector<RectI> s; r.getRegionScansI(m, s); }},
        },
        [](RegionObject& region) { region.createRegionRect(RectF{0, 0, 8, 8}); });
}

}  // namespace
}  // namespace pixmora
