// GraphicsObject: creation, release and the device context it hands out.
#include "imaging/graphics_object.h"

#include "imaging/gdiplus_forward.h"
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

void GraphicsObject::releaseCanvas() {
    if (canvasDC) {
        sys::SelectObject(canvasDC, canvasPreviousBitmap);
        sys::DeleteObject(canvasBitmap);
        sys::DeleteDC(canvasDC);
    }
    canvasDC = nullptr;
    canvasBitmap = nullptr;
    canvasPreviousBitmap = nullptr;
    canvasWidth = 0;
    canvasHeight = 0;
}

bool GraphicsObject::deleteGraphics() {
    if (!ownedGraphicsHandle) return false;
    // GDI+ refuses to delete a graphics whose device context is out, which
    // would leave it behind for good: give the context back first.
    if (deviceContext) callGdiplusQuietly(gdiplus::GdipReleaseDC, graphicsHandle, deviceContext);
    deviceContext = nullptr;
    releaseCanvas();
    const bool ok = callGdiplus(gdiplus::GdipDeleteGraphics, ownedGraphicsHandle);
    setNativeHandle(nullptr);
    return ok;
}

void GraphicsObject::flush(int intention) { callGdiplusQuietly(gdiplus::GdipFlush, graphicsHandle, static_cast<Gdiplus::FlushIntention>(intention)); }

bool GraphicsObject::createFromHWND(HWND window, bool useIcm) {
    return useIcm ? forwardCreating(*this, graphicsHandle, [this] { deleteGraphics(); }, gdiplus::GdipCreateFromHWNDICM, window)
                  : forwardCreating(*this, graphicsHandle, [this] { deleteGraphics(); }, gdiplus::GdipCreateFromHWND, window);
}

bool GraphicsObject::createFromHDC(HDC context, std::optional<HANDLE> device) {
    return device ? forwardCreating(*this, graphicsHandle, [this] { deleteGraphics(); }, gdiplus::GdipCreateFromHDC2, context, *device)
                  : forwardCreating(*this, graphicsHandle, [this] { deleteGraphics(); }, gdiplus::GdipCreateFromHDC, context);
}

bool GraphicsObject::getImageGraphicsContext(ImageObject& image) {
    return forwardCreating(*this, graphicsHandle, [this] { deleteGraphics(); }, gdiplus::GdipGetImageGraphicsContext, image.getNativeHandle());
}

HDC GraphicsObject::getDC() {
    if (deviceContext) {
        storeStatus(Gdiplus::GenericError);
        return deviceContext;
    }
    HDC context = nullptr;
    if (callGdiplus(gdiplus::GdipGetDC, graphicsHandle, &context)) deviceContext = context;
    return deviceContext;
}

bool GraphicsObject::releaseDC() {
    if (!deviceContext) {
        storeStatus(Gdiplus::Ok);
        return false;
    }
    callGdiplus(gdiplus::GdipReleaseDC, graphicsHandle, deviceContext);
    deviceContext = nullptr;
    return true;
}

}  // namespace pixmora
