#include "imaging/bitmap_object.h"

#include "imaging/gdiplus_call.h"

namespace pixmora {

BitmapObject::~BitmapObject() { BitmapObject::disposeImage(); }

void BitmapObject::onSubclassHandleSet(void* handle) { bitmapHandle = static_cast<Gdiplus::GpBitmap*>(handle); }

bool BitmapObject::disposeImage() {
    const bool ok = runReleaseOperation(*this, bitmapHandle, [](Gdiplus::GpBitmap* bitmap) {
        return callGdiplusQuietly(gdiplus::GdipDisposeImage, bitmap);
    });
    bitmapSourceStream.release();
    sourceStream.release();
    return ok;
}

bool BitmapObject::createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                         std::int32_t pixelFormat, BYTE* pixels) {
    return runCreatingOperation(*this, bitmapHandle, [this] { disposeImage(); }, [&](Gdiplus::GpBitmap** out) {
        return callGdiplusQuietly(gdiplus::GdipCreateBitmapFromScan0, width, height, stride,
                                  static_cast<Gdiplus::PixelFormat>(pixelFormat), pixels, out);
    });
}

bool BitmapObject::createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t pixelFormat) {
    return createBitmapFromScan0(width, height, 0, pixelFormat, nullptr);
}

}  // namespace pixmora
