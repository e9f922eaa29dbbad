#include "imaging/graphics_object.h"

#include "imaging/gdiplus_call.h"
#include "imaging/system_api.h"

namespace pixmora {

GraphicsObject::~GraphicsObject() { GraphicsObject::deleteGraphics(); }

void GraphicsObject::onHandleSet(void* handle) {
    graphicsHandle = static_cast<Gdiplus::GpGraphics*>(handle);
    onSubclassHandleSet(handle);
}

void GraphicsObject::onSubclassHandleSet(void* handle) {
    ownedGraphicsHandle = static_cast<Gdiplus::GpGraphics*>(handle);
}

bool GraphicsObject::deleteGraphics() {
    if (!ownedGraphicsHandle) return false;
    if (canvasDC) {
        sys::SelectObject(canvasDC, canvasPreviousBitmap);
        sys::DeleteObject(canvasBitmap);
        sys::DeleteDC(canvasDC);
    }
    const bool ok = callGdiplus(gdiplus::GdipDeleteGraphics, ownedGraphicsHandle);
    setNativeHandle(nullptr);
    canvasDC = nullptr;
    canvasBitmap = nullptr;
    canvasPreviousBitmap = nullptr;
    canvasWidth = 0;
    canvasHeight = 0;
    return ok;
}

bool GraphicsObject::createFromHDC(HDC context, std::optional<HANDLE> device) {
    return runCreatingOperation(*this, graphicsHandle, [this] { deleteGraphics(); }, [&](Gdiplus::GpGraphics** out) {
        return device ? callGdiplusQuietly(gdiplus::GdipCreateFromHDC2, context, *device, out)
                      : callGdiplusQuietly(gdiplus::GdipCreateFromHDC, context, out);
    });
}

bool GraphicsObject::getImageGraphicsContext(ImageObject& image) {
    return runCreatingOperation(*this, graphicsHandle, [this] { deleteGraphics(); }, [&](Gdiplus::GpGraphics** out) {
        return callGdiplusQuietly(gdiplus::GdipGetImageGraphicsContext,
                                  static_cast<Gdiplus::GpImage*>(image.getNativeHandle()), out);
    });
}

bool GraphicsObject::setInterpolationMode(int mode) {
    return callGdiplus(gdiplus::GdipSetInterpolationMode, graphicsHandle, static_cast<Gdiplus::InterpolationMode>(mode));
}

bool GraphicsObject::fillRectangle(BrushObject& brush, float x, float y, float width, float height) {
    return callGdiplus(gdiplus::GdipFillRectangle, graphicsHandle,
                       static_cast<Gdiplus::GpBrush*>(brush.getNativeHandle()), x, y, width, height);
}

bool GraphicsObject::drawImageRectRect(ImageObject& image, float x, float y, float width, float height,
                                       int sourceUnit) {
    auto* handle = static_cast<Gdiplus::GpImage*>(image.getNativeHandle());
    const auto sourceWidth = static_cast<float>(image.getImageWidth());
    const auto sourceHeight = static_cast<float>(image.getImageHeight());
    return callGdiplus(gdiplus::GdipDrawImageRectRect, graphicsHandle, handle, x, y, width, height, 0.0f, 0.0f,
                       sourceWidth, sourceHeight, static_cast<Gdiplus::Unit>(sourceUnit), nullptr, nullptr, nullptr);
}

}  // namespace pixmora
