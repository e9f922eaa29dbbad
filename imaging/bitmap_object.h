#pragma once
// A GDI+ bitmap. Every image operation works on it too.
#include <optional>

#include "imaging/effect_object.h"
#include "imaging/image_object.h"

namespace pixmora {

class GraphicsObject;

class BitmapObject : public ImageObject {
public:
    BitmapObject() = default;
    ~BitmapObject() override;

protected:
    void onSubclassHandleSet(void* handle) override;

public:
    bool disposeImage() override;

    // The bitmap's creators stand in the places of the image loaders: loading
    // a bitmap object creates a GDI+ bitmap. The named forms follow.
    bool loadImageFromFile(std::string_view path, bool useIcm = false) override;
    bool loadImageFromFileW(const wchar_t* path, bool useIcm = false) override;
    // The bytes stay in bitmapSourceStream until the bitmap is disposed.
    bool loadImageFromStream(const ByteArray& bytes, bool useIcm = false) override;
    bool createBitmapFromFile(std::string_view path, bool useIcm = false) {
        return BitmapObject::loadImageFromFile(path, useIcm);
    }
    bool createBitmapFromFileW(const wchar_t* path, bool useIcm = false) {
        return BitmapObject::loadImageFromFileW(path, useIcm);
    }
    bool createBitmapFromStream(const ByteArray& bytes, bool useIcm = false) {
        return BitmapObject::loadImageFromStream(bytes, useIcm);
    }

    bool isValid() const override { return bitmapHandle != nullptr; }

    // A bitmap with GDI+'s pixels, or the caller's buffer, handed over unchanged.
    virtual bool createBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                                       std::int32_t pixelFormat, BYTE* pixels);
    // A blank bitmap whose pixels GDI+ allocates; 32 bits per pixel ARGB by default.
    virtual bool createBitmapFromScan0(std::int32_t width, std::int32_t height,
                                       std::int32_t pixelFormat = kPixelFormat32bppARGB);
    // A bitmap of that size with the graphics's resolution.
    virtual bool createBitmapFromGraphics(std::int32_t width, std::int32_t height, GraphicsObject& graphics);
    virtual bool createBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    virtual bool createBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    virtual bool createBitmapFromHICON(HICON icon);
    // `name` is a UTF-16 resource name or a MAKEINTRESOURCE identifier.
    virtual bool createBitmapFromResource(HINSTANCE instance, const wchar_t* name);
    // Windows handles that the caller owns and deletes; null on failure.
    virtual HBITMAP createHBITMAPFromBitmap(std::uint32_t background = 0);
    virtual HICON createHICONFromBitmap();
    // A part of the bitmap in a pixel format, adopted by `target` (pass an empty one).
    virtual bool cloneBitmapArea(const RectF& area, std::int32_t pixelFormat, ImageObject& target);
    virtual bool cloneBitmapAreaI(const RectI& area, std::int32_t pixelFormat, ImageObject& target);
    virtual bool bitmapLockBits(const RectI& area, std::uint32_t flags, std::int32_t pixelFormat,
                                Gdiplus::BitmapData& data);
    virtual bool bitmapUnlockBits(Gdiplus::BitmapData& data);
    // The ARGB colour of a pixel; 0 on failure.
    virtual std::uint32_t bitmapGetPixel(std::int32_t x, std::int32_t y);
    virtual bool bitmapSetPixel(std::int32_t x, std::int32_t y, std::uint32_t argb);
    virtual bool bitmapSetResolution(float horizontalDpi, float verticalDpi);
    // Applies the effect to the area (the whole bitmap when absent); the
    // auxiliary data of the effect's previous application is freed and
    // replaced by this one's.
    virtual bool bitmapApplyEffect(EffectObject& effect, const std::optional<RectI>& area = std::nullopt);
    // A new 32-bit ARGB bitmap holding the picture rotated by `angle` degrees
    // (clockwise on screen) about its centre, adopted by `target` (pass an
    // empty one). The canvas is `size` or, when absent, the rotatedSize of the
    // angle truncated to whole degrees; it is filled with the background
    // colour when one is given and carries the source's resolution.
    virtual bool rotateByAngle(float angle, ImageObject& target, std::optional<std::uint32_t> background = std::nullopt,
                               std::optional<int> interpolationMode = std::nullopt,
                               const std::optional<SizeF>& size = std::nullopt);
    // The box a width x height picture needs rotated by whole degrees.
    virtual void rotatedSize(float width, float height, std::int32_t angle, float& outWidth, float& outHeight);

protected:
    // The creating pattern with one GDI+ bitmap creator.
    template <typename Fn, typename... Args>
    bool createBitmapWith(const Fn& creator, const Args&... args);

    Gdiplus::GpBitmap* bitmapHandle = nullptr;
    MemoryStreamObject bitmapSourceStream;
};

}  // namespace pixmora
