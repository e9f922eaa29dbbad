#pragma once
// The least toolkit objects the tests need for GDI+ objects the program has
// no classes for: pens, fonts, string formats, paths, matrices, image
// attributes, cached bitmaps, metafiles and effects. Each owns its native
// object and deletes it when destroyed.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "imaging/bitmap_object.h"
#include "imaging/effect_object.h"
#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"
#include "imaging/runtime_binding.h"

namespace pixmora::testing {

namespace gdip {
#define PIXMORA_TEST_GDIPLUS(name)                                                         \
    inline constinit ::pixmora::BoundFunction<decltype(&::Gdiplus::DllExports::name)> name{ \
        L"gdiplus.dll", #name}
PIXMORA_TEST_GDIPLUS(GdipCreatePen1);
PIXMORA_TEST_GDIPLUS(GdipDeletePen);
PIXMORA_TEST_GDIPLUS(GdipCreateFontFamilyFromName);
PIXMORA_TEST_GDIPLUS(GdipDeleteFontFamily);
PIXMORA_TEST_GDIPLUS(GdipCreateFont);
PIXMORA_TEST_GDIPLUS(GdipDeleteFont);
PIXMORA_TEST_GDIPLUS(GdipCreateStringFormat);
PIXMORA_TEST_GDIPLUS(GdipDeleteStringFormat);
PIXMORA_TEST_GDIPLUS(GdipSetStringFormatMeasurableCharacterRanges);
PIXMORA_TEST_GDIPLUS(GdipCreatePath);
PIXMORA_TEST_GDIPLUS(GdipAddPathRectangle);
PIXMORA_TEST_GDIPLUS(GdipDeletePath);
PIXMORA_TEST_GDIPLUS(GdipCreateMatrix2);
PIXMORA_TEST_GDIPLUS(GdipGetMatrixElements);
PIXMORA_TEST_GDIPLUS(GdipCreateImageAttributes);
PIXMORA_TEST_GDIPLUS(GdipDisposeImageAttributes);
PIXMORA_TEST_GDIPLUS(GdipCreateCachedBitmap);
PIXMORA_TEST_GDIPLUS(GdipDeleteCachedBitmap);
PIXMORA_TEST_GDIPLUS(GdipRecordMetafile);
PIXMORA_TEST_GDIPLUS(GdipCreateEffect);
PIXMORA_TEST_GDIPLUS(GdipDeleteEffect);
#undef PIXMORA_TEST_GDIPLUS
}  // namespace gdip

// Owns whatever native object it is handed; `destroy` deletes it.
template <auto& destroy>
class NativeObject : public ToolkitObject {
public:
    NativeObject() = default;
    ~NativeObject() override { release(); }
    void release() {
        if (void* handle = getNativeHandle()) callGdiplusQuietly(destroy, forwarding::Converted<void*>{handle});
        setNativeHandle(nullptr);
    }

protected:
    void onHandleSet(void*) override {}
};

template <typename Handle, auto& destroy, typename Create>
void adopt(NativeObject<destroy>& object, Create&& create) {
    Handle* handle = nullptr;
    create(&handle);
    object.setNativeHandle(handle);
}

struct PenObject : NativeObject<gdip::GdipDeletePen> {
    explicit PenObject(Gdiplus::ARGB colour = 0xFF000000, float width = 1) {
        adopt<Gdiplus::GpPen>(*this, [&](auto** out) { gdip::GdipCreatePen1(colour, width, Gdiplus::UnitPixel, out); });
    }
};

struct FontObject : NativeObject<gdip::GdipDeleteFont> {
    // A font with Latin and Chinese letters, among those the test machine has.
    explicit FontObject(float pixels = 16) {
        Gdiplus::GpFontFamily* family = nullptr;
        for (const wchar_t* name : {L"WenQuanYi Micro Hei", L"DejaVu Sans", L"Tahoma"})
            if (!family) gdip::GdipCreateFontFamilyFromName(name, nullptr, &family);
        adopt<Gdiplus::GpFont>(*this, [&](auto** out) {
            gdip::GdipCreateFont(family, pixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, out);
        });
        if (family) gdip::GdipDeleteFontFamily(family);
    }
};

struct StringFormatObject : NativeObject<gdip::GdipDeleteStringFormat> {
    StringFormatObject() {
        adopt<Gdiplus::GpStringFormat>(*this, [&](auto** out) { gdip::GdipCreateStringFormat(0, LANG_NEUTRAL, out); });
    }
    void setRanges(std::vector<Gdiplus::CharacterRange> ranges) {
        gdip::GdipSetStringFormatMeasurableCharacterRanges(static_cast<Gdiplus::GpStringFormat*>(getNativeHandle()),
                                                           static_cast<INT>(ranges.size()), ranges.data());
    }
};

// A rectangle path.
struct PathObject : NativeObject<gdip::GdipDeletePath> {
    PathObject(float x, float y, float width, float height) {
        adopt<Gdiplus::GpPath>(*this, [&](auto** out) { gdip::GdipCreatePath(Gdiplus::FillModeAlternate, out); });
        gdip::GdipAddPathRectangle(static_cast<Gdiplus::GpPath*>(getNativeHandle()), x, y, width, height);
    }
};

// Empty, or the matrix (m11, m12, m21, m22, dx, dy).
struct MatrixObject : NativeObject<gdiplus::GdipDeleteMatrix> {
    MatrixObject() = default;
    MatrixObject(float m11, float m12, float m21, float m22, float dx, float dy) {
        adopt<Gdiplus::GpMatrix>(*this, [&](auto** out) { gdip::GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, out); });
    }
    std::vector<float> elements() const {
        std::vector<float> values(6, 0);
        gdip::GdipGetMatrixElements(static_cast<Gdiplus::GpMatrix*>(getNativeHandle()), values.data());
        return values;
    }
};

struct ImageAttributesObject : NativeObject<gdip::GdipDisposeImageAttributes> {
    ImageAttributesObject() {
        adopt<Gdiplus::GpImageAttributes>(*this, [&](auto** out) { gdip::GdipCreateImageAttributes(out); });
    }
};

struct CachedBitmapObject : NativeObject<gdip::GdipDeleteCachedBitmap> {
    CachedBitmapObject(ImageObject& bitmap, GraphicsObject& graphics) {
        adopt<Gdiplus::GpCachedBitmap>(*this, [&](auto** out) {
            gdip::GdipCreateCachedBitmap(static_cast<Gdiplus::GpBitmap*>(bitmap.getNativeHandle()),
                                         static_cast<Gdiplus::GpGraphics*>(graphics.getNativeHandle()), out);
        });
    }
};

// A metafile recorded on a reference device context; record into it through
// getImageGraphicsContext, then delete that graphics before playing it.
class MetafileObject : public ImageObject {
public:
    MetafileObject() {
        HDC screen = GetDC(nullptr);
        const Gdiplus::GpRectF frame{0, 0, 40, 40};
        Gdiplus::GpMetafile* metafile = nullptr;
        gdip::GdipRecordMetafile(screen, Gdiplus::EmfTypeEmfPlusOnly, &frame, Gdiplus::MetafileFrameUnitPixel,
                                 nullptr, &metafile);
        ReleaseDC(nullptr, screen);
        setNativeHandle(metafile);
    }
};

// GDI+'s blur effect; Wine's GDI+ creates no effects (NotImplemented), and
// the object then holds none.
class BlurEffectObject : public EffectObject {
public:
    BlurEffectObject() {
        // BlurEffectGuid
        const GUID blur{0x633C80A4, 0x1843, 0x482B, {0x9E, 0xF2, 0xBE, 0x28, 0x34, 0xC5, 0xFD, 0xD4}};
        Gdiplus::CGpEffect* effect = nullptr;
        gdip::GdipCreateEffect(blur, &effect);
        setNativeHandle(effect);
    }
    ~BlurEffectObject() override {
        if (getNativeHandle()) gdip::GdipDeleteEffect(static_cast<Gdiplus::CGpEffect*>(getNativeHandle()));
        if (getAuxData()) free(getAuxData());
    }

protected:
    void onHandleSet(void*) override {}
};

}  // namespace pixmora::testing

namespace pixmora::testing {

// A graphics drawing into a blank 32-bit ARGB bitmap of its own.
struct BitmapGraphics {
    BitmapObject bitmap;
    GraphicsObject graphics;
    explicit BitmapGraphics(int width = 16, int height = 16) {
        bitmap.createBitmapFromScan0(width, height);
        graphics.getImageGraphicsContext(bitmap);
    }
};

}  // namespace pixmora::testing
