#pragma once
// A GDI+ bitmap. Every image operation works on it too.
#include "imaging/image_object.h"

namespace pixmora {

class BitmapObject : public ImageObject {
public:
    BitmapObject() = default;
    ~BitmapObject() override;

protected:
    void onSubclassHandleSet(void* handle) override;

public:
    bool disposeImage() override;

    bool isValid() const override { return bitmapHandle != nullptr; }

    // A bitmap with GDI+'s pixels, or the caller's buffer, handed over unchanged.
    virtual bool createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                       std::int32_t pixelFormat, BYTE* pixels);
    // A blank bitmap whose pixels GDI+ allocates; 32 bits per pixel ARGB by default.
    virtual bool createBitmapFromScan0(std::int32_t width, std::int32_t height,
                                       std::int32_t pixelFormat = kPixelFormat32bppARGB);

protected:
    Gdiplus::GpBitmap* bitmapHandle = nullptr;
    MemoryStreamObject bitmapSourceStream;
};

}  // namespace pixmora
