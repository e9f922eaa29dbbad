// BitmapObject: creation from every source, conversion to Windows handles,
// area cloning, pixels and effects.
#include "imaging/bitmap_object.h"

#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"

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

template <typename Fn, typename... Args>
bool BitmapObject::createBitmapWith(const Fn& creator, const Args&... args) {
    return forwardCreating(*this, bitmapHandle, [this] { disposeImage(); }, creator, args...);
}

bool BitmapObject::loadImageFromFile(std::string_view path, bool useIcm) {
    const std::wstring widePath = toWideText(path);
    return BitmapObject::loadImageFromFileW(widePath.c_str(), useIcm);
}

bool BitmapObject::loadImageFromFileW(const wchar_t* path, bool useIcm) {
    return useIcm ? createBitmapWith(gdiplus::GdipCreateBitmapFromFileICM, path)
                  : createBitmapWith(gdiplus::GdipCreateBitmapFromFile, path);
}

bool BitmapObject::loadImageFromStream(const ByteArray& bytes, bool useIcm) {
    return runCreatingOperation(*this, bitmapHandle, [this] { disposeImage(); }, [&](Gdiplus::GpBitmap** out) {
        IStream* stream = bitmapSourceStream.createFromBytes(bytes);
        return useIcm ? callGdiplusQuietly(gdiplus::GdipCreateBitmapFromStreamICM, stream, out)
                      : callGdiplusQuietly(gdiplus::GdipCreateBitmapFromStream, stream, out);
    });
}

bool BitmapObject::createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                         std::int32_t pixelFormat, BYTE* pixels) {
    return createBitmapWith(gdiplus::GdipCreateBitmapFromScan0, width, height, stride, pixelFormat, pixels);
}

bool BitmapObject::createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t pixelFormat) {
    return createBitmapFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool BitmapObject::createBitmapFromGraphics(std::int32_t width, std::int32_t height, GraphicsObject& graphics) { return createBitmapWith(gdiplus::GdipCreateBitmapFromGraphics, width, height, graphics.getNativeHandle()); }

bool BitmapObject::createBitmapFromGdiDib(const BITMAPINFO* info, void* bits) { return createBitmapWith(gdiplus::GdipCreateBitmapFromGdiDib, info, bits); }

bool BitmapObject::createBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette) { return createBitmapWith(gdiplus::GdipCreateBitmapFromHBITMAP, bitmap, palette); }

bool BitmapObject::createBitmapFromHICON(HICON icon) { return createBitmapWith(gdiplus::GdipCreateBitmapFromHICON, icon); }

bool BitmapObject::createBitmapFromResource(HINSTANCE instance, const wchar_t* name) { return createBitmapWith(gdiplus::GdipCreateBitmapFromResource, instance, name); }

HBITMAP BitmapObject::createHBITMAPFromBitmap(std::uint32_t background) {
    HBITMAP bitmap = nullptr;
    forwardGdiplus(gdiplus::GdipCreateHBITMAPFromBitmap, bitmapHandle, &bitmap, background);
    return bitmap;
}

HICON BitmapObject::createHICONFromBitmap() { return forwardQuery<HICON>(gdiplus::GdipCreateHICONFromBitmap, bitmapHandle); }

bool BitmapObject::cloneBitmapArea(const RectF& area, std::int32_t pixelFormat, ImageObject& target) {
    Gdiplus::GpBitmap* copy = nullptr;
    const bool ok = forwardGdiplus(gdiplus::GdipCloneBitmapArea, area.x, area.y, area.width, area.height, pixelFormat, bitmapHandle, &copy);
    if (copy) target.setNativeHandle(copy);
    return ok;
}

bool BitmapObject::cloneBitmapAreaI(const RectI& area, std::int32_t pixelFormat, ImageObject& target) {
    Gdiplus::GpBitmap* copy = nullptr;
    const bool ok = forwardGdiplus(gdiplus::GdipCloneBitmapAreaI, area.x, area.y, area.width, area.height, pixelFormat, bitmapHandle, &copy);
    if (copy) target.setNativeHandle(copy);
    return ok;
}

bool BitmapObject::bitmapLockBits(const RectI& area, std::uint32_t flags, std::int32_t pixelFormat, Gdiplus::BitmapData& data) { return forwardGdiplus(gdiplus::GdipBitmapLockBits, bitmapHandle, area, flags, pixelFormat, &data); }

bool BitmapObject::bitmapUnlockBits(Gdiplus::BitmapData& data) { return forwardGdiplus(gdiplus::GdipBitmapUnlockBits, bitmapHandle, &data); }

std::uint32_t BitmapObject::bitmapGetPixel(std::int32_t x, std::int32_t y) { return forwardQuery<Gdiplus::ARGB>(gdiplus::GdipBitmapGetPixel, bitmapHandle, x, y); }

bool BitmapObject::bitmapSetPixel(std::int32_t x, std::int32_t y, std::uint32_t argb) { return forwardGdiplus(gdiplus::GdipBitmapSetPixel, bitmapHandle, x, y, argb); }

bool BitmapObject::bitmapSetResolution(float horizontalDpi, float verticalDpi) { return forwardGdiplus(gdiplus::GdipBitmapSetResolution, bitmapHandle, horizontalDpi, verticalDpi); }

bool BitmapObject::bitmapApplyEffect(EffectObject& effect, const std::optional<RectI>& area) {
    if (void* previous = effect.getAuxData()) free(previous);
    RECT rectangle{};
    if (area) rectangle = {area->x, area->y, area->x + area->width, area->y + area->height};
    void* auxData = nullptr;
    INT auxDataSize = 0;
    const bool ok = forwardGdiplus(gdiplus::GdipBitmapApplyEffect, bitmapHandle, effect.getNativeHandle(),
                                   area ? &rectangle : nullptr, effect.getUseAuxData() ? TRUE : FALSE, &auxData, &auxDataSize);
    effect.setAuxData(auxData);
    effect.setAuxDataSize(auxDataSize);
    return ok;
}

}  // namespace pixmora
