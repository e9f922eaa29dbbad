// GraphicsObject: drawing images and cached bitmaps, and playing metafiles.
#include <cmath>

#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"

namespace pixmora {
namespace {

// The three destination corners of a parallelogram: upper-left, upper-right, lower-left.
template <typename Record, typename Coordinate>
std::vector<Record> corners(Coordinate x1, Coordinate y1, Coordinate x2, Coordinate y2, Coordinate x3, Coordinate y3) {
    return {{x1, y1}, {x2, y2}, {x3, y3}};
}

}  // namespace

bool GraphicsObject::drawImageRect(ImageObject& image, float x, float y) {
    const auto width = static_cast<float>(image.getImageWidth());
    const auto height = static_cast<float>(image.getImageHeight());
    return forwardGdiplus(gdiplus::GdipDrawImageRect, graphicsHandle, image.getNativeHandle(), x, y, width, height);
}

bool GraphicsObject::drawImageRectI(ImageObject& image, std::int32_t x, std::int32_t y) {
    const auto width = static_cast<INT>(image.getImageWidth());
    const auto height = static_cast<INT>(image.getImageHeight());
    return forwardGdiplus(gdiplus::GdipDrawImageRectI, graphicsHandle, image.getNativeHandle(), x, y, width, height);
}

bool GraphicsObject::drawImage(ImageObject& image, float x, float y) { return forwardGdiplus(gdiplus::GdipDrawImage, graphicsHandle, image.getNativeHandle(), x, y); }

bool GraphicsObject::drawImageI(ImageObject& image, std::int32_t x, std::int32_t y) { return forwardGdiplus(gdiplus::GdipDrawImageI, graphicsHandle, image.getNativeHandle(), x, y); }

bool GraphicsObject::drawCachedBitmap(ToolkitObject& cachedBitmap, float x, float y) { return forwardGdiplus(gdiplus::GdipDrawCachedBitmap, graphicsHandle, cachedBitmap.getNativeHandle(), static_cast<INT>(std::trunc(x)), static_cast<INT>(std::trunc(y))); }

bool GraphicsObject::drawImageRectRect(ImageObject& image, float x, float y, float width, float height, int sourceUnit) {
    auto* handle = image.getNativeHandle();
    const auto sourceWidth = static_cast<float>(image.getImageWidth());
    const auto sourceHeight = static_cast<float>(image.getImageHeight());
    return forwardGdiplus(gdiplus::GdipDrawImageRectRect, graphicsHandle, handle, x, y, width, height, 0.0f, 0.0f,
                          sourceWidth, sourceHeight, sourceUnit, nullptr, nullptr, nullptr);
}

bool GraphicsObject::drawImageRectRectI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, int sourceUnit) {
    auto* handle = image.getNativeHandle();
    const auto sourceWidth = static_cast<INT>(image.getImageWidth());
    const auto sourceHeight = static_cast<INT>(image.getImageHeight());
    return forwardGdiplus(gdiplus::GdipDrawImageRectRectI, graphicsHandle, handle, x, y, width, height, 0, 0,
                          sourceWidth, sourceHeight, sourceUnit, nullptr, nullptr, nullptr);
}

bool GraphicsObject::drawImagePoints(ImageObject& image, float x1, float y1, float x2, float y2, float x3, float y3) {
    auto points = corners<PointF>(x1, y1, x2, y2, x3, y3);
    return forwardGdiplus(gdiplus::GdipDrawImagePoints, graphicsHandle, image.getNativeHandle(), recordBlock(points));
}

bool GraphicsObject::drawImagePointsI(ImageObject& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3) {
    auto points = corners<PointI>(x1, y1, x2, y2, x3, y3);
    return forwardGdiplus(gdiplus::GdipDrawImagePointsI, graphicsHandle, image.getNativeHandle(), recordBlock(points));
}

bool GraphicsObject::drawImagePointRect(ImageObject& image, float x, float y, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit) { return forwardGdiplus(gdiplus::GdipDrawImagePointRect, graphicsHandle, image.getNativeHandle(), x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit); }

bool GraphicsObject::drawImagePointRectI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight, int sourceUnit) { return forwardGdiplus(gdiplus::GdipDrawImagePointRectI, graphicsHandle, image.getNativeHandle(), x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit); }

bool GraphicsObject::drawImageRectRectEx(ImageObject& image, float x, float y, float width, float height, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipDrawImageRectRect, graphicsHandle, image.getNativeHandle(), x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, handleOf(attributes), nullptr, nullptr); }

bool GraphicsObject::drawImageRectRectExI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight, int sourceUnit, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipDrawImageRectRectI, graphicsHandle, image.getNativeHandle(), x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, handleOf(attributes), nullptr, nullptr); }

bool GraphicsObject::drawImagePointsRect(ImageObject& image, float x1, float y1, float x2, float y2, float x3, float y3, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit, ToolkitObject* attributes) {
    auto points = corners<PointF>(x1, y1, x2, y2, x3, y3);
    return forwardGdiplus(gdiplus::GdipDrawImagePointsRect, graphicsHandle, image.getNativeHandle(), recordBlock(points), sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, handleOf(attributes), nullptr, nullptr);
}

bool GraphicsObject::drawImagePointsRectI(ImageObject& image, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight, int sourceUnit, ToolkitObject* attributes) {
    auto points = corners<PointI>(x1, y1, x2, y2, x3, y3);
    return forwardGdiplus(gdiplus::GdipDrawImagePointsRectI, graphicsHandle, image.getNativeHandle(), recordBlock(points), sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, handleOf(attributes), nullptr, nullptr);
}

bool GraphicsObject::enumerateMetafileDestPoint(ToolkitObject& metafile, const PointF& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestPoint, graphicsHandle, metafile.getNativeHandle(), destination, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileDestPointI(ToolkitObject& metafile, const PointI& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestPointI, graphicsHandle, metafile.getNativeHandle(), destination, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileDestPoints(ToolkitObject& metafile, std::vector<PointF>& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestPoints, graphicsHandle, metafile.getNativeHandle(), recordBlock(destination), callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileDestPointsI(ToolkitObject& metafile, std::vector<PointI>& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestPointsI, graphicsHandle, metafile.getNativeHandle(), recordBlock(destination), callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileDestRect(ToolkitObject& metafile, const RectF& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestRect, graphicsHandle, metafile.getNativeHandle(), destination, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileDestRectI(ToolkitObject& metafile, const RectI& destination, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileDestRectI, graphicsHandle, metafile.getNativeHandle(), destination, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestPoint(ToolkitObject& metafile, const PointF& destination, const RectF& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestPoint, graphicsHandle, metafile.getNativeHandle(), destination, source, sourceUnit, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestPointI(ToolkitObject& metafile, const PointI& destination, const RectI& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestPointI, graphicsHandle, metafile.getNativeHandle(), destination, source, sourceUnit, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestPoints(ToolkitObject& metafile, std::vector<PointF>& destination, const RectF& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestPoints, graphicsHandle, metafile.getNativeHandle(), recordBlock(destination), source, sourceUnit, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestPointsI(ToolkitObject& metafile, std::vector<PointI>& destination, const RectI& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestPointsI, graphicsHandle, metafile.getNativeHandle(), recordBlock(destination), source, sourceUnit, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestRect(ToolkitObject& metafile, const RectF& destination, const RectF& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestRect, graphicsHandle, metafile.getNativeHandle(), destination, source, sourceUnit, callback, callbackData, handleOf(attributes)); }

bool GraphicsObject::enumerateMetafileSrcRectDestRectI(ToolkitObject& metafile, const RectI& destination, const RectI& source, int sourceUnit, MetafileCallback callback, void* callbackData, ToolkitObject* attributes) { return forwardGdiplus(gdiplus::GdipEnumerateMetafileSrcRectDestRectI, graphicsHandle, metafile.getNativeHandle(), destination, source, sourceUnit, callback, callbackData, handleOf(attributes)); }

}  // namespace pixmora
