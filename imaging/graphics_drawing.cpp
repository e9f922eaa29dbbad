// GraphicsObject: outlines drawn with a pen and areas filled with a brush.
#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"

namespace pixmora {

bool GraphicsObject::drawLine(ToolkitObject& pen, float x1, float y1, float x2, float y2) { return forwardGdiplus(gdiplus::GdipDrawLine, graphicsHandle, pen.getNativeHandle(), x1, y1, x2, y2); }

bool GraphicsObject::drawLineI(ToolkitObject& pen, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) { return forwardGdiplus(gdiplus::GdipDrawLineI, graphicsHandle, pen.getNativeHandle(), x1, y1, x2, y2); }

bool GraphicsObject::drawLines(ToolkitObject& pen, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipDrawLines, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawLinesI(ToolkitObject& pen, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipDrawLinesI, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawArc(ToolkitObject& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipDrawArc, graphicsHandle, pen.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::drawArcI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipDrawArcI, graphicsHandle, pen.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::drawBezier(ToolkitObject& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) { return forwardGdiplus(gdiplus::GdipDrawBezier, graphicsHandle, pen.getNativeHandle(), x1, y1, x2, y2, x3, y3, x4, y4); }

bool GraphicsObject::drawBezierI(ToolkitObject& pen, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) { return forwardGdiplus(gdiplus::GdipDrawBezierI, graphicsHandle, pen.getNativeHandle(), x1, y1, x2, y2, x3, y3, x4, y4); }

bool GraphicsObject::drawBeziers(ToolkitObject& pen, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipDrawBeziers, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawBeziersI(ToolkitObject& pen, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipDrawBeziersI, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawRectangle(ToolkitObject& pen, float x, float y, float width, float height) { return forwardGdiplus(gdiplus::GdipDrawRectangle, graphicsHandle, pen.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::drawRectangleI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) { return forwardGdiplus(gdiplus::GdipDrawRectangleI, graphicsHandle, pen.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::drawRectangles(ToolkitObject& pen, std::vector<RectF>& rects) { return forwardGdiplus(gdiplus::GdipDrawRectangles, graphicsHandle, pen.getNativeHandle(), recordBlock(rects)); }

bool GraphicsObject::drawRectanglesI(ToolkitObject& pen, std::vector<RectI>& rects) { return forwardGdiplus(gdiplus::GdipDrawRectanglesI, graphicsHandle, pen.getNativeHandle(), recordBlock(rects)); }

bool GraphicsObject::drawEllipse(ToolkitObject& pen, float x, float y, float width, float height) { return forwardGdiplus(gdiplus::GdipDrawEllipse, graphicsHandle, pen.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::drawEllipseI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) { return forwardGdiplus(gdiplus::GdipDrawEllipseI, graphicsHandle, pen.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::drawPie(ToolkitObject& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipDrawPie, graphicsHandle, pen.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::drawPieI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipDrawPieI, graphicsHandle, pen.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::drawPolygon(ToolkitObject& pen, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipDrawPolygon, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawPolygonI(ToolkitObject& pen, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipDrawPolygonI, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawPath(ToolkitObject& pen, ToolkitObject& path) { return forwardGdiplus(gdiplus::GdipDrawPath, graphicsHandle, pen.getNativeHandle(), path.getNativeHandle()); }

bool GraphicsObject::drawCurve(ToolkitObject& pen, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipDrawCurve, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawCurveI(ToolkitObject& pen, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipDrawCurveI, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawCurve2(ToolkitObject& pen, std::vector<PointF>& points, float tension) { return forwardGdiplus(gdiplus::GdipDrawCurve2, graphicsHandle, pen.getNativeHandle(), recordBlock(points), tension); }

bool GraphicsObject::drawCurve2I(ToolkitObject& pen, std::vector<PointI>& points, float tension) { return forwardGdiplus(gdiplus::GdipDrawCurve2I, graphicsHandle, pen.getNativeHandle(), recordBlock(points), tension); }

bool GraphicsObject::drawCurve3(ToolkitObject& pen, std::vector<PointF>& points, std::int32_t offset, std::int32_t numberOfSegments, float tension) { return forwardGdiplus(gdiplus::GdipDrawCurve3, graphicsHandle, pen.getNativeHandle(), recordBlock(points), offset, numberOfSegments, tension); }

bool GraphicsObject::drawCurve3I(ToolkitObject& pen, std::vector<PointI>& points, std::int32_t offset, std::int32_t numberOfSegments, float tension) { return forwardGdiplus(gdiplus::GdipDrawCurve3I, graphicsHandle, pen.getNativeHandle(), recordBlock(points), offset, numberOfSegments, tension); }

bool GraphicsObject::drawClosedCurve(ToolkitObject& pen, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipDrawClosedCurve, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawClosedCurveI(ToolkitObject& pen, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipDrawClosedCurveI, graphicsHandle, pen.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::drawClosedCurve2(ToolkitObject& pen, std::vector<PointF>& points, float tension) { return forwardGdiplus(gdiplus::GdipDrawClosedCurve2, graphicsHandle, pen.getNativeHandle(), recordBlock(points), tension); }

bool GraphicsObject::drawClosedCurve2I(ToolkitObject& pen, std::vector<PointI>& points, float tension) { return forwardGdiplus(gdiplus::GdipDrawClosedCurve2I, graphicsHandle, pen.getNativeHandle(), recordBlock(points), tension); }

bool GraphicsObject::fillRectangle(BrushObject& brush, float x, float y, float width, float height) { return forwardGdiplus(gdiplus::GdipFillRectangle, graphicsHandle, brush.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::fillRectangleRect(BrushObject& brush, const RectF& rect) { return forwardGdiplus(gdiplus::GdipFillRectangle, graphicsHandle, brush.getNativeHandle(), rect.x, rect.y, rect.width, rect.height); }

bool GraphicsObject::fillRectangleI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) { return forwardGdiplus(gdiplus::GdipFillRectangleI, graphicsHandle, brush.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::fillRectangles(BrushObject& brush, std::vector<RectF>& rects) { return forwardGdiplus(gdiplus::GdipFillRectangles, graphicsHandle, brush.getNativeHandle(), recordBlock(rects)); }

bool GraphicsObject::fillRectanglesI(BrushObject& brush, std::vector<RectI>& rects) { return forwardGdiplus(gdiplus::GdipFillRectanglesI, graphicsHandle, brush.getNativeHandle(), recordBlock(rects)); }

bool GraphicsObject::fillPolygon(BrushObject& brush, std::vector<PointF>& points, int fillMode) { return forwardGdiplus(gdiplus::GdipFillPolygon, graphicsHandle, brush.getNativeHandle(), recordBlock(points), fillMode); }

bool GraphicsObject::fillPolygonI(BrushObject& brush, std::vector<PointI>& points, int fillMode) { return forwardGdiplus(gdiplus::GdipFillPolygonI, graphicsHandle, brush.getNativeHandle(), recordBlock(points), fillMode); }

bool GraphicsObject::fillEllipse(BrushObject& brush, float x, float y, float width, float height) { return forwardGdiplus(gdiplus::GdipFillEllipse, graphicsHandle, brush.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::fillEllipseI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) { return forwardGdiplus(gdiplus::GdipFillEllipseI, graphicsHandle, brush.getNativeHandle(), x, y, width, height); }

bool GraphicsObject::fillPie(BrushObject& brush, float x, float y, float width, float height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipFillPie, graphicsHandle, brush.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::fillPieI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, float startAngle, float sweepAngle) { return forwardGdiplus(gdiplus::GdipFillPieI, graphicsHandle, brush.getNativeHandle(), x, y, width, height, startAngle, sweepAngle); }

bool GraphicsObject::fillPath(BrushObject& brush, ToolkitObject& path) { return forwardGdiplus(gdiplus::GdipFillPath, graphicsHandle, brush.getNativeHandle(), path.getNativeHandle()); }

bool GraphicsObject::fillClosedCurve(BrushObject& brush, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipFillClosedCurve, graphicsHandle, brush.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::fillClosedCurve2(BrushObject& brush, std::vector<PointF>& points, float tension, int fillMode) { return forwardGdiplus(gdiplus::GdipFillClosedCurve2, graphicsHandle, brush.getNativeHandle(), recordBlock(points), tension, fillMode); }

bool GraphicsObject::fillClosedCurveI(BrushObject& brush, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipFillClosedCurveI, graphicsHandle, brush.getNativeHandle(), recordBlock(points)); }

bool GraphicsObject::fillClosedCurve2I(BrushObject& brush, std::vector<PointI>& points, float tension, int fillMode) { return forwardGdiplus(gdiplus::GdipFillClosedCurve2I, graphicsHandle, brush.getNativeHandle(), recordBlock(points), tension, fillMode); }

bool GraphicsObject::fillRegion(BrushObject& brush, RegionObject& region) { return forwardGdiplus(gdiplus::GdipFillRegion, graphicsHandle, brush.getNativeHandle(), region.getNativeHandle()); }

}  // namespace pixmora
