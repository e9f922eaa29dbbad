// BitmapObject: rotating a picture by any angle onto a new canvas.
#include "imaging/bitmap_object.h"
#include "imaging/gdiplus_forward.h"
#include "imaging/rotation_geometry.h"

namespace pixmora {

void BitmapObject::rotatedSize(float width, float height, std::int32_t angle, float& outWidth, float& outHeight) {
    const SizeF size = rotatedBoxSize(width, height, angle);
    outWidth = size.width;
    outHeight = size.height;
}

bool BitmapObject::rotateByAngle(float angle, ImageObject& target, std::optional<std::uint32_t> background,
                                 std::optional<int> interpolationMode, const std::optional<SizeF>& size) {
    UINT width = 0;
    UINT height = 0;
    callGdiplusQuietly(gdiplus::GdipGetImageWidth, bitmapHandle, &width);
    callGdiplusQuietly(gdiplus::GdipGetImageHeight, bitmapHandle, &height);
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    SizeF canvas;
    if (size)
        canvas = *size;
    else
        rotatedSize(w, h, static_cast<std::int32_t>(angle), canvas.width, canvas.height);

    Gdiplus::GpBitmap* rotated = nullptr;
    if (!callGdiplus(gdiplus::GdipCreateBitmapFromScan0, static_cast<INT>(canvas.width), static_cast<INT>(canvas.height),
                     0, PixelFormat32bppARGB, nullptr, &rotated))
        return false;
    Gdiplus::REAL dpiX = 0;
    Gdiplus::REAL dpiY = 0;
    callGdiplusQuietly(gdiplus::GdipGetImageHorizontalResolution, bitmapHandle, &dpiX);
    callGdiplusQuietly(gdiplus::GdipGetImageVerticalResolution, bitmapHandle, &dpiY);
    callGdiplusQuietly(gdiplus::GdipBitmapSetResolution, rotated, dpiX, dpiY);

    Gdiplus::GpGraphics* graphics = nullptr;
    if (!callGdiplus(gdiplus::GdipGetImageGraphicsContext, rotated, &graphics)) {
        callGdiplusQuietly(gdiplus::GdipDisposeImage, rotated);
        return false;
    }
    auto abandon = [&] {
        callGdiplusQuietly(gdiplus::GdipDeleteGraphics, graphics);
        callGdiplusQuietly(gdiplus::GdipDisposeImage, rotated);
        return false;
    };
    if (background) {
        Gdiplus::GpSolidFill* brush = nullptr;
        if (!callGdiplus(gdiplus::GdipCreateSolidFill, static_cast<Gdiplus::ARGB>(*background), &brush)) return abandon();
        callGdiplusQuietly(gdiplus::GdipFillRectangle, graphics, brush, 0.0f, 0.0f, canvas.width, canvas.height);
        callGdiplusQuietly(gdiplus::GdipDeleteBrush, brush);
    }
    if (interpolationMode)
        callGdiplusQuietly(gdiplus::GdipSetInterpolationMode, graphics,
                           static_cast<Gdiplus::InterpolationMode>(*interpolationMode));

    Gdiplus::GpMatrix* matrix = nullptr;
    if (!callGdiplus(gdiplus::GdipCreateMatrix, &matrix)) return abandon();
    // Each step is prepended, so a source point goes through them in reverse:
    // centred on the canvas, moved so the canvas centre is the origin,
    // rotated, moved back.
    const float cx = canvas.width / 2;
    const float cy = canvas.height / 2;
    callGdiplusQuietly(gdiplus::GdipTranslateMatrix, matrix, cx, cy, Gdiplus::MatrixOrderPrepend);
    callGdiplusQuietly(gdiplus::GdipRotateMatrix, matrix, angle, Gdiplus::MatrixOrderPrepend);
    callGdiplusQuietly(gdiplus::GdipTranslateMatrix, matrix, -cx, -cy, Gdiplus::MatrixOrderPrepend);
    callGdiplusQuietly(gdiplus::GdipTranslateMatrix, matrix, (canvas.width - w) / 2, (canvas.height - h) / 2,
                       Gdiplus::MatrixOrderPrepend);

    callGdiplusQuietly(gdiplus::GdipSetWorldTransform, graphics, matrix);
    const bool drawn = callGdiplus(gdiplus::GdipDrawImage, graphics, bitmapHandle, 0.0f, 0.0f);
    callGdiplusQuietly(gdiplus::GdipResetWorldTransform, graphics);
    callGdiplusQuietly(gdiplus::GdipDeleteMatrix, matrix);
    callGdiplusQuietly(gdiplus::GdipDeleteGraphics, graphics);
    target.setNativeHandle(rotated);
    return drawn;
}

}  // namespace pixmora
