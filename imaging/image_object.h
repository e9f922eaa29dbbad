#pragma once
// A GDI+ image: loading, saving and querying a picture.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/encoders.h"
#include "imaging/memory_stream_object.h"
#include "imaging/toolkit_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

// One property item of a picture; `type` holds GDI+'s 16-bit property type.
struct PropertyRecord {
    std::int32_t id = 0;
    std::int32_t length = 0;  // bytes of the value
    std::int32_t type = 0;
    ByteArray value;
};

// A colour palette: GDI+'s palette flags, the number of colours and the ARGB colours.
struct PaletteRecord {
    std::int32_t flags = 0;
    std::int32_t count = 0;
    std::vector<std::uint32_t> entries;
};

// GDI+'s frame-delay property of animated pictures: one 32-bit delay per
// frame, in hundredths of a second.
inline constexpr std::int32_t kFrameDelayPropertyId = 0x5100;

class ImageObject : public ToolkitObject {
public:
    ImageObject() = default;
    ~ImageObject() override;

protected:
    void onHandleSet(void* handle) override;
    virtual void onSubclassHandleSet(void* handle);

public:
    // Release operation: false at once when empty.
    virtual bool disposeImage();
    // Creating operations: release what is held, then load.
    virtual bool loadImageFromFile(std::string_view path, bool useIcm = false);
    virtual bool loadImageFromFileW(const wchar_t* path, bool useIcm = false);
    // Loads from encoded bytes, kept in sourceStream while the picture lives
    // (GDI+ reads them lazily).
    virtual bool loadImageFromStream(const ByteArray& bytes, bool useIcm = false);
    // A copy of the picture adopted by `target`, which should be empty.
    virtual bool cloneImage(ImageObject& target);

    // Saving. An omitted format is the image's own raw format (BMP for the W
    // form); a format without an installed encoder fails and writes nothing.
    virtual bool saveImageToFile(std::string_view fileName,
                                 const std::optional<std::string>& format = std::nullopt,
                                 const EncoderParameterSet* parameters = nullptr);
    virtual bool saveImageToFileW(const wchar_t* fileName,
                                  const std::optional<std::string>& format = std::nullopt,
                                  const EncoderParameterSet* parameters = nullptr);
    // The encoded picture file; empty on failure.
    virtual ByteArray saveImageToStream(const std::optional<std::string>& format = std::nullopt,
                                        const EncoderParameterSet* parameters = nullptr);
    virtual bool saveAdd(const EncoderParameterSet& parameters);
    virtual bool saveAddImage(ImageObject& image, const EncoderParameterSet& parameters);
    virtual bool getEncoderParameterList(std::string_view format, EncoderParameterSet& parameters);

    // Queries: the value GDI+ wrote, or zero.
    virtual std::string getImageRawFormat();
    virtual RectF getImageBounds(int& unit);
    virtual SizeF getImageDimension();
    // GDI+'s image type: 1 bitmap, 2 metafile.
    virtual int getImageType();
    virtual std::uint32_t getImageWidth();
    virtual std::uint32_t getImageHeight();
    virtual float getImageHorizontalResolution();
    virtual float getImageVerticalResolution();
    virtual std::uint32_t getImageFlags();
    virtual std::int32_t getImagePixelFormat();
    // A thumbnail adopted by `target` (pass an empty one) when GDI+ made one.
    virtual bool getImageThumbnail(std::uint32_t width, std::uint32_t height, ImageObject& target);

    // Frames of multi-frame pictures; a dimension is named by its GUID text.
    virtual std::uint32_t imageGetFrameCount(std::string_view dimension);
    // The frame dimensions as GUID texts (replacing what the array held).
    virtual bool imageGetFrameDimensionsList(std::vector<std::string>& dimensions);
    virtual bool imageSelectActiveFrame(std::string_view dimension, std::uint32_t index);
    // The frame delays of an animation; the array is left as it was when the
    // picture has none.
    virtual bool getFrameDelays(std::vector<std::int32_t>& delays);

    // Property items. A failed read leaves the record as it was.
    virtual bool getPropertyItem(std::int32_t id, PropertyRecord& item);
    // Refused with InvalidParameter, without calling GDI+, when `length` is
    // negative or larger than the value the record holds.
    virtual bool setPropertyItem(PropertyRecord& item);
    virtual bool removePropertyItem(std::int32_t id);
    // The ids of the picture's properties (replacing what the array held);
    // gives their number, 0 on failure with the array left as it was.
    virtual std::uint32_t getPropertyIdList(std::vector<std::int32_t>& ids);

    // Rotates or flips the picture itself; kind is GDI+'s rotate-flip type 0 to 7.
    virtual bool imageRotateFlip(int kind);
    virtual bool getImagePalette(PaletteRecord& palette);
    // Refused with InvalidParameter, without calling GDI+, when `count` is
    // negative or larger than the number of entries.
    virtual bool setImagePalette(PaletteRecord& palette);

    virtual bool isValid() const { return imageHandle != nullptr; }

protected:
    Gdiplus::GpImage* imageHandle = nullptr;
    MemoryStreamObject sourceStream;
};

}  // namespace pixmora
