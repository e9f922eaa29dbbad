#pragma once
// A GDI+ image: loading, saving and querying a picture.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "imaging/encoders.h"
#include "imaging/memory_stream_object.h"
#include "imaging/toolkit_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

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
    virtual std::uint32_t getImageWidth();
    virtual std::uint32_t getImageHeight();

    virtual bool isValid() const { return imageHandle != nullptr; }

protected:
    Gdiplus::GpImage* imageHandle = nullptr;
    MemoryStreamObject sourceStream;
};

}  // namespace pixmora
