// GraphicsObject: rendering settings, world transform, page scaling,
// coordinate conversion, clipping, saved states and containers.
#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"

namespace pixmora {
namespace {

// Moves by -centre, applies the step, moves back: prepended steps run last
// to first, so their order is reversed.
template <typename Step>
bool aboutCentre(Gdiplus::GpGraphics* graphics, const PointF& centre, int order, Step&& step) {
    const float sign = order == Gdiplus::MatrixOrderPrepend ? 1.0f : -1.0f;
    forwardGdiplus(gdiplus::GdipTranslateWorldTransform, graphics, sign * centre.x, sign * centre.y, order);
    step();
    return forwardGdiplus(gdiplus::GdipTranslateWorldTransform, graphics, -sign * centre.x, -sign * centre.y, order);
}

}  // namespace

int GraphicsObject::getCompositingMode() { return forwardQuery<Gdiplus::CompositingMode>(gdiplus::GdipGetCompositingMode, graphicsHandle); }

bool GraphicsObject::setCompositingMode(int mode) { return forwardGdiplus(gdiplus::GdipSetCompositingMode, graphicsHandle, mode); }

bool GraphicsObject::getRenderingOrigin(std::int32_t& x, std::int32_t& y) { return forwardGdiplus(gdiplus::GdipGetRenderingOrigin, graphicsHandle, &x, &y); }

bool GraphicsObject::setRenderingOrigin(std::int32_t x, std::int32_t y) { return forwardGdiplus(gdiplus::GdipSetRenderingOrigin, graphicsHandle, x, y); }

int GraphicsObject::getCompositingQuality() { return forwardQuery<Gdiplus::CompositingQuality>(gdiplus::GdipGetCompositingQuality, graphicsHandle); }

bool GraphicsObject::setCompositingQuality(int quality) { return forwardGdiplus(gdiplus::GdipSetCompositingQuality, graphicsHandle, quality); }

bool GraphicsObject::setSmoothingMode(int mode) { return forwardGdiplus(gdiplus::GdipSetSmoothingMode, graphicsHandle, mode); }

int GraphicsObject::getSmoothingMode() { return forwardQuery<Gdiplus::SmoothingMode>(gdiplus::GdipGetSmoothingMode, graphicsHandle); }

bool GraphicsObject::setTextRenderingHint(int hint) { return forwardGdiplus(gdiplus::GdipSetTextRenderingHint, graphicsHandle, hint); }

int GraphicsObject::getTextRenderingHint() { return forwardQuery<Gdiplus::TextRenderingHint>(gdiplus::GdipGetTextRenderingHint, graphicsHandle); }

bool GraphicsObject::setInterpolationMode(int mode) { return forwardGdiplus(gdiplus::GdipSetInterpolationMode, graphicsHandle, mode); }

int GraphicsObject::getInterpolationMode() { return forwardQuery<Gdiplus::InterpolationMode>(gdiplus::GdipGetInterpolationMode, graphicsHandle); }

bool GraphicsObject::setPixelOffsetMode(int mode) { return forwardGdiplus(gdiplus::GdipSetPixelOffsetMode, graphicsHandle, mode); }

int GraphicsObject::getPixelOffsetMode() { return forwardQuery<Gdiplus::PixelOffsetMode>(gdiplus::GdipGetPixelOffsetMode, graphicsHandle); }

bool GraphicsObject::setWorldTransform(ToolkitObject& matrix) { return forwardGdiplus(gdiplus::GdipSetWorldTransform, graphicsHandle, matrix.getNativeHandle()); }

bool GraphicsObject::getWorldTransform(ToolkitObject& matrix) {
    if (matrix.getNativeHandle()) return forwardGdiplus(gdiplus::GdipGetWorldTransform, graphicsHandle, matrix.getNativeHandle());
    // GDI+ fills an existing matrix: make one for the object, handed over only when filled.
    Gdiplus::GpMatrix* created = nullptr;
    if (!callGdiplus(gdiplus::GdipCreateMatrix, &created)) return false;
    const bool ok = callGdiplus(gdiplus::GdipGetWorldTransform, graphicsHandle, created);
    if (ok)
        matrix.setNativeHandle(created);
    else
        callGdiplusQuietly(gdiplus::GdipDeleteMatrix, created);
    return ok;
}

bool GraphicsObject::resetWorldTransform() { return forwardGdiplus(gdiplus::GdipResetWorldTransform, graphicsHandle); }

bool GraphicsObject::multiplyWorldTransform(ToolkitObject& matrix, int order) { return forwardGdiplus(gdiplus::GdipMultiplyWorldTransform, graphicsHandle, matrix.getNativeHandle(), order); }

bool GraphicsObject::translateWorldTransform(float dx, float dy, int order) { return forwardGdiplus(gdiplus::GdipTranslateWorldTransform, graphicsHandle, dx, dy, order); }

bool GraphicsObject::scaleWorldTransform(float sx, float sy, int order) { return forwardGdiplus(gdiplus::GdipScaleWorldTransform, graphicsHandle, sx, sy, order); }

bool GraphicsObject::scaleWorldTransformAt(float sx, float sy, const PointF& centre, int order) {
    return aboutCentre(graphicsHandle, centre, order, [&] { scaleWorldTransform(sx, sy, order); });
}

bool GraphicsObject::rotateWorldTransform(float angle, int order) { return forwardGdiplus(gdiplus::GdipRotateWorldTransform, graphicsHandle, angle, order); }

bool GraphicsObject::rotateWorldTransformAt(float angle, const PointF& centre, int order) {
    return aboutCentre(graphicsHandle, centre, order, [&] { rotateWorldTransform(angle, order); });
}

bool GraphicsObject::setPageUnit(int unit) { return forwardGdiplus(gdiplus::GdipSetPageUnit, graphicsHandle, unit); }

int GraphicsObject::getPageUnit() { return forwardQuery<Gdiplus::Unit>(gdiplus::GdipGetPageUnit, graphicsHandle); }

bool GraphicsObject::setPageScale(float scale) { return forwardGdiplus(gdiplus::GdipSetPageScale, graphicsHandle, scale); }

float GraphicsObject::getPageScale() { return forwardQuery<Gdiplus::REAL>(gdiplus::GdipGetPageScale, graphicsHandle); }

float GraphicsObject::getDpiX() { return forwardQuery<Gdiplus::REAL>(gdiplus::GdipGetDpiX, graphicsHandle); }

float GraphicsObject::getDpiY() { return forwardQuery<Gdiplus::REAL>(gdiplus::GdipGetDpiY, graphicsHandle); }

bool GraphicsObject::transformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points) { return forwardGdiplus(gdiplus::GdipTransformPoints, graphicsHandle, destinationSpace, sourceSpace, recordBlock(points)); }

bool GraphicsObject::transformPointsI(int destinationSpace, int sourceSpace, std::vector<PointI>& points) { return forwardGdiplus(gdiplus::GdipTransformPointsI, graphicsHandle, destinationSpace, sourceSpace, recordBlock(points)); }

std::uint32_t GraphicsObject::getNearestColor(std::uint32_t argb) {
    Gdiplus::ARGB colour = argb;
    forwardGdiplus(gdiplus::GdipGetNearestColor, graphicsHandle, &colour);
    return colour;
}

bool GraphicsObject::setClipGraphics(GraphicsObject& other, int mode) { return forwardGdiplus(gdiplus::GdipSetClipGraphics, graphicsHandle, other.getNativeHandle(), mode); }

bool GraphicsObject::setClipPath(ToolkitObject& path, int mode) { return forwardGdiplus(gdiplus::GdipSetClipPath, graphicsHandle, path.getNativeHandle(), mode); }

bool GraphicsObject::setClipRect(float x, float y, float width, float height, int mode) { return forwardGdiplus(gdiplus::GdipSetClipRect, graphicsHandle, x, y, width, height, mode); }

bool GraphicsObject::setClipRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, int mode) { return forwardGdiplus(gdiplus::GdipSetClipRectI, graphicsHandle, x, y, width, height, mode); }

bool GraphicsObject::setClipRegion(RegionObject& region, int mode) { return forwardGdiplus(gdiplus::GdipSetClipRegion, graphicsHandle, region.getNativeHandle(), mode); }

bool GraphicsObject::setClipHrgn(HRGN region, int mode) { return forwardGdiplus(gdiplus::GdipSetClipHrgn, graphicsHandle, region, mode); }

bool GraphicsObject::resetClip() { return forwardGdiplus(gdiplus::GdipResetClip, graphicsHandle); }

bool GraphicsObject::translateClip(float dx, float dy) { return forwardGdiplus(gdiplus::GdipTranslateClip, graphicsHandle, dx, dy); }

bool GraphicsObject::translateClipI(std::int32_t dx, std::int32_t dy) { return forwardGdiplus(gdiplus::GdipTranslateClipI, graphicsHandle, dx, dy); }

bool GraphicsObject::getClip(RegionObject& region) {
    // GDI+ fills an existing region: the object gets one first when it holds none.
    if (!region.isValid() && !region.createRegion()) return false;
    return forwardGdiplus(gdiplus::GdipGetClip, graphicsHandle, region.getNativeHandle());
}

RectF GraphicsObject::getClipBounds() { return forwardRecordQuery<Gdiplus::RectF>(gdiplus::GdipGetClipBounds, graphicsHandle); }

RectI GraphicsObject::getClipBoundsI() { return forwardRecordQuery<Gdiplus::Rect>(gdiplus::GdipGetClipBoundsI, graphicsHandle); }

RectF GraphicsObject::getVisibleClipBounds() { return forwardRecordQuery<Gdiplus::RectF>(gdiplus::GdipGetVisibleClipBounds, graphicsHandle); }

RectI GraphicsObject::getVisibleClipBoundsI() { return forwardRecordQuery<Gdiplus::Rect>(gdiplus::GdipGetVisibleClipBoundsI, graphicsHandle); }

bool GraphicsObject::isClipEmpty() { return forwardTest(gdiplus::GdipIsClipEmpty, graphicsHandle); }

bool GraphicsObject::isVisibleClipEmpty() {
    // Some GDI+ versions read through the null graphics of an empty object.
    if (!graphicsHandle) return storeStatus(Gdiplus::InvalidParameter);
    return forwardTest(gdiplus::GdipIsVisibleClipEmpty, graphicsHandle);
}

bool GraphicsObject::isVisiblePoint(float x, float y) { return forwardTest(gdiplus::GdipIsVisiblePoint, graphicsHandle, x, y); }

bool GraphicsObject::isVisiblePointI(std::int32_t x, std::int32_t y) { return forwardTest(gdiplus::GdipIsVisiblePointI, graphicsHandle, x, y); }

bool GraphicsObject::isVisibleRect(float x, float y, float width, float height) { return forwardTest(gdiplus::GdipIsVisibleRect, graphicsHandle, x, y, width, height); }

bool GraphicsObject::isVisibleRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) { return forwardTest(gdiplus::GdipIsVisibleRectI, graphicsHandle, x, y, width, height); }

std::uint32_t GraphicsObject::saveGraphics() { return forwardQuery<Gdiplus::GraphicsState>(gdiplus::GdipSaveGraphics, graphicsHandle); }

bool GraphicsObject::restoreGraphics(std::uint32_t state) { return forwardGdiplus(gdiplus::GdipRestoreGraphics, graphicsHandle, state); }

std::uint32_t GraphicsObject::beginContainer(const RectF& destination, const RectF& source, int unit) { return forwardQuery<Gdiplus::GraphicsContainer>(gdiplus::GdipBeginContainer, graphicsHandle, destination, source, unit); }

std::uint32_t GraphicsObject::beginContainerI(const RectI& destination, const RectI& source, int unit) { return forwardQuery<Gdiplus::GraphicsContainer>(gdiplus::GdipBeginContainerI, graphicsHandle, destination, source, unit); }

std::uint32_t GraphicsObject::beginContainer2() { return forwardQuery<Gdiplus::GraphicsContainer>(gdiplus::GdipBeginContainer2, graphicsHandle); }

bool GraphicsObject::endContainer(std::uint32_t state) { return forwardGdiplus(gdiplus::GdipEndContainer, graphicsHandle, state); }

bool GraphicsObject::comment(const ByteArray& data) { return forwardGdiplus(gdiplus::GdipComment, graphicsHandle, static_cast<UINT>(data.size()), data.data()); }

}  // namespace pixmora
