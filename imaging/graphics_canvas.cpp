// GraphicsObject: the off-screen canvas, transfers onto it, plain GDI
// painting and its encoding into picture-file bytes.
#include "imaging/bitmap_object.h"
#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"
#include "imaging/guid_text.h"
#include "imaging/system_api.h"

namespace pixmora {
namespace {

// A transfer succeeded when the system call gave nonzero; else GenericError.
bool transferred(BOOL result) { return result ? true : storeStatus(Gdiplus::GenericError); }

}  // namespace

bool GraphicsObject::createCanvas(std::int32_t width, std::int32_t height) {
    const bool ok = runCreatingOperation(*this, ownedGraphicsHandle, [this] { deleteGraphics(); }, [&](Gdiplus::GpGraphics** out) {
        canvasDC = sys::CreateCompatibleDC(nullptr);
        canvasWidth = width;
        canvasHeight = height;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;  // bottom-up rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        canvasBitmap = sys::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        canvasPreviousBitmap = sys::SelectObject(canvasDC, canvasBitmap);
        sys::SetBkMode(canvasDC, TRANSPARENT);
        return callGdiplusQuietly(gdiplus::GdipCreateFromHDC, canvasDC, out);
    });
    // Without a graphics nothing would ever take the canvas down.
    if (!ok) releaseCanvas();
    return ok;
}

bool GraphicsObject::clearCanvasRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (!ownedGraphicsHandle) return false;
    GraphicsObject zeros;
    zeros.createCanvas(width, height);
    const bool ok = alphaBlend(zeros.getCanvasDC(), 0, 0, zeros.getCanvasWidth(), zeros.getCanvasHeight(), x, y,
                               width, height, 255, false);
    zeros.deleteGraphics();
    return ok ? true : storeStatus(Gdiplus::GenericError);
}

bool GraphicsObject::bitBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t destinationX, std::int32_t destinationY, std::optional<std::int32_t> width, std::optional<std::int32_t> height) {
    return transferred(sys::BitBlt(canvasDC, destinationX, destinationY, width.value_or(canvasWidth), height.value_or(canvasHeight), source, sourceX, sourceY, SRCCOPY));
}

bool GraphicsObject::stretchBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY, std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight, std::int32_t destinationX, std::int32_t destinationY, std::optional<std::int32_t> destinationWidth, std::optional<std::int32_t> destinationHeight) {
    return transferred(sys::StretchBlt(canvasDC, destinationX, destinationY, destinationWidth.value_or(canvasWidth), destinationHeight.value_or(canvasHeight), source, sourceX, sourceY, sourceWidth.value_or(canvasWidth), sourceHeight.value_or(canvasHeight), SRCCOPY));
}

bool GraphicsObject::alphaBlend(HDC source, std::int32_t sourceX, std::int32_t sourceY, std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight, std::int32_t destinationX, std::int32_t destinationY, std::optional<std::int32_t> destinationWidth, std::optional<std::int32_t> destinationHeight, std::int32_t alpha, bool perPixelAlpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha & 0xFF), static_cast<BYTE>(perPixelAlpha ? AC_SRC_ALPHA : 0)};
    return transferred(sys::AlphaBlend(canvasDC, destinationX, destinationY, destinationWidth.value_or(canvasWidth), destinationHeight.value_or(canvasHeight), source, sourceX, sourceY, sourceWidth.value_or(canvasWidth), sourceHeight.value_or(canvasHeight), blend));
}

bool GraphicsObject::transparentBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY, std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight, std::int32_t destinationX, std::int32_t destinationY, std::optional<std::int32_t> destinationWidth, std::optional<std::int32_t> destinationHeight, COLORREF transparentColour, bool useMsimg32) {
    const auto& transfer = useMsimg32 ? sys::TransparentBlt : sys::GdiTransparentBlt;
    return transferred(transfer(canvasDC, destinationX, destinationY, destinationWidth.value_or(canvasWidth), destinationHeight.value_or(canvasHeight), source, sourceX, sourceY, sourceWidth.value_or(canvasWidth), sourceHeight.value_or(canvasHeight), transparentColour));
}

ByteArray GraphicsObject::canvasToBytes(std::string& format) {
    BitmapObject bitmap;
    bitmap.createBitmapFromHBITMAP(canvasBitmap, nullptr);
    if (format.empty()) format = kJpegFormatText;
    ByteArray bytes = bitmap.saveImageToStream(format);
    bitmap.disposeImage();
    return bytes;
}

COLORREF GraphicsObject::getPixel(std::int32_t x, std::int32_t y) { return sys::GetPixel(canvasDC, x, y); }

bool GraphicsObject::drawCanvasRectangle(int penStyle) {
    if (!ownedGraphicsHandle) return false;
    HPEN pen = sys::CreatePen(penStyle, 0, RGB(0, 0, 0));
    HGDIOBJ previousPen = sys::SelectObject(canvasDC, pen);
    HGDIOBJ previousBrush = sys::SelectObject(canvasDC, sys::GetStockObject(BLACK_BRUSH));
    sys::Rectangle(canvasDC, 0, 0, canvasWidth, canvasHeight);
    sys::SelectObject(canvasDC, previousPen);
    sys::SelectObject(canvasDC, previousBrush);
    sys::DeleteObject(pen);
    return true;
}

}  // namespace pixmora
