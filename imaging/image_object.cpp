#include "imaging/image_object.h"

#include "imaging/gdiplus_call.h"
#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"

namespace pixmora {
namespace {

// Encodes with the encoder installed for `format`. `save` gets the CLSID and
// the parameters (or null) and gives the GDI+ status. A format without an
// encoder fails as GDI+ fails it, with UnknownImageFormat, but without calling
// GDI+: some versions create (or empty) the target file before they look for
// the encoder, and a failed save must leave any existing file as it was.
template <typename Save>
bool saveWithEncoder(std::string_view format, const EncoderParameterSet* parameters, Save&& save) {
    const std::string encoder = encoderClsidForFormat(format);
    if (encoder.empty()) return storeStatus(Gdiplus::UnknownImageFormat);
    const CLSID clsid = textToGuid(encoder);
    if (!parameters) return storeStatus(save(&clsid, static_cast<const Gdiplus::EncoderParameters*>(nullptr)));
    const EncoderParameterBytes bytes(*parameters);
    if (!bytes.valid()) return storeStatus(kStatusInvalidParameter);
    return storeStatus(save(&clsid, static_cast<const Gdiplus::EncoderParameters*>(bytes.data())));
}

}  // namespace

ImageObject::~ImageObject() { ImageObject::disposeImage(); }

void ImageObject::onHandleSet(void* handle) {
    imageHandle = static_cast<Gdiplus::GpImage*>(handle);
    onSubclassHandleSet(handle);
}

void ImageObject::onSubclassHandleSet(void*) {}

bool ImageObject::disposeImage() {
    const bool ok = runReleaseOperation(*this, imageHandle, [](Gdiplus::GpImage* image) {
        return callGdiplusQuietly(gdiplus::GdipDisposeImage, image);
    });
    sourceStream.release();
    return ok;
}

bool ImageObject::loadImageFromFile(std::string_view path, bool useIcm) {
    const std::wstring widePath = toWideText(path);
    return loadImageFromFileW(widePath.c_str(), useIcm);
}

bool ImageObject::loadImageFromFileW(const wchar_t* path, bool useIcm) {
    return runCreatingOperation(*this, imageHandle, [this] { disposeImage(); }, [&](Gdiplus::GpImage** out) {
        return useIcm ? callGdiplusQuietly(gdiplus::GdipLoadImageFromFileICM, path, out)
                      : callGdiplusQuietly(gdiplus::GdipLoadImageFromFile, path, out);
    });
}

bool ImageObject::loadImageFromStream(const ByteArray& bytes, bool useIcm) {
    return runCreatingOperation(*this, imageHandle, [this] { disposeImage(); }, [&](Gdiplus::GpImage** out) {
        IStream* stream = sourceStream.createFromBytes(bytes);
        return useIcm ? callGdiplusQuietly(gdiplus::GdipLoadImageFromStreamICM, stream, out)
                      : callGdiplusQuietly(gdiplus::GdipLoadImageFromStream, stream, out);
    });
}

bool ImageObject::cloneImage(ImageObject& target) {
    Gdiplus::GpImage* copy = nullptr;
    const bool ok = callGdiplus(gdiplus::GdipCloneImage, imageHandle, &copy);
    if (copy) target.setNativeHandle(copy);
    return ok;
}

bool ImageObject::saveImageToFile(std::string_view fileName, const std::optional<std::string>& format,
                                  const EncoderParameterSet* parameters) {
    const std::wstring wideName = toWideText(fileName);
    return saveImageToFileW(wideName.c_str(), format ? format : std::optional<std::string>(getImageRawFormat()),
                            parameters);
}

bool ImageObject::saveImageToFileW(const wchar_t* fileName, const std::optional<std::string>& format,
                                   const EncoderParameterSet* parameters) {
    return saveWithEncoder(format.value_or(kBmpFormatText), parameters, [&](const CLSID* clsid, auto* bytes) {
        return callGdiplusQuietly(gdiplus::GdipSaveImageToFile, imageHandle, fileName, clsid, bytes);
    });
}

ByteArray ImageObject::saveImageToStream(const std::optional<std::string>& format,
                                         const EncoderParameterSet* parameters) {
    const std::string chosen = format ? *format : getImageRawFormat();
    MemoryStreamObject output;
    // The encoder writes through a stream that grows the block ahead in large
    // steps; trimmed afterwards, the block holds exactly the encoded file.
    GrowAheadStream* stream = GrowAheadStream::create(output.createFromBytes());
    const bool saved = saveWithEncoder(chosen, parameters, [&](const CLSID* clsid, auto* bytes) {
        return callGdiplusQuietly(gdiplus::GdipSaveImageToStream, imageHandle, stream, clsid, bytes);
    });
    const bool trimmed = stream && stream->finish();
    if (stream) stream->Release();
    // After a save that wrote nothing the block is still empty; a failed save
    // gives no bytes rather than a part of a file.
    if (!saved || !trimmed) return {};
    return output.toBytes();
}

bool ImageObject::saveAdd(const EncoderParameterSet& parameters) {
    const EncoderParameterBytes bytes(parameters);
    if (!bytes.valid()) return storeStatus(kStatusInvalidParameter);
    return callGdiplus(gdiplus::GdipSaveAdd, imageHandle,
                       static_cast<const Gdiplus::EncoderParameters*>(bytes.data()));
}

bool ImageObject::saveAddImage(ImageObject& image, const EncoderParameterSet& parameters) {
    const EncoderParameterBytes bytes(parameters);
    if (!bytes.valid()) return storeStatus(kStatusInvalidParameter);
    return callGdiplus(gdiplus::GdipSaveAddImage, imageHandle, static_cast<Gdiplus::GpImage*>(image.getNativeHandle()),
                       static_cast<const Gdiplus::EncoderParameters*>(bytes.data()));
}

bool ImageObject::getEncoderParameterList(std::string_view format, EncoderParameterSet& parameters) {
    const CLSID clsid = textToGuid(encoderClsidForFormat(format));
    UINT size = 0;
    if (!callGdiplus(gdiplus::GdipGetEncoderParameterListSize, imageHandle, &clsid, &size)) return false;
    if (size < sizeof(Gdiplus::EncoderParameters)) return storeStatus(kStatusGenericError);
    std::vector<std::uint64_t> buffer((size + 7) / 8, 0);
    auto* list = reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data());
    if (!callGdiplus(gdiplus::GdipGetEncoderParameterList, imageHandle, &clsid, size, list)) return false;
    parameters.count = static_cast<std::int32_t>(list->Count);
    parameters.items.assign(list->Count, EncoderParameterItem{});
    for (UINT i = 0; i < list->Count; ++i) {
        const Gdiplus::EncoderParameter& parameter = list->Parameter[i];
        EncoderParameterItem& item = parameters.items[i];
        item.guid = guidToText(parameter.Guid);
        item.numberOfValues = static_cast<std::int32_t>(parameter.NumberOfValues);
        item.type = static_cast<std::int32_t>(parameter.Type);
        const std::size_t length = parameter.NumberOfValues * bytesPerEncoderValue(item.type);
        if (parameter.Value && length) {
            const auto* first = static_cast<const std::uint8_t*>(parameter.Value);
            item.value.assign(first, first + length);
        }
    }
    return true;
}

std::string ImageObject::getImageRawFormat() {
    return guidToText(queryGdiplus<GUID>(gdiplus::GdipGetImageRawFormat, imageHandle));
}

RectF ImageObject::getImageBounds(int& unit) {
    Gdiplus::RectF bounds{};
    Gdiplus::Unit gdiplusUnit = static_cast<Gdiplus::Unit>(unit);
    callGdiplus(gdiplus::GdipGetImageBounds, imageHandle, &bounds, &gdiplusUnit);
    unit = static_cast<int>(gdiplusUnit);
    return {bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

SizeF ImageObject::getImageDimension() {
    SizeF size;
    callGdiplus(gdiplus::GdipGetImageDimension, imageHandle, &size.width, &size.height);
    return size;
}

std::uint32_t ImageObject::getImageWidth() { return queryGdiplus<UINT>(gdiplus::GdipGetImageWidth, imageHandle); }

std::uint32_t ImageObject::getImageHeight() { return queryGdiplus<UINT>(gdiplus::GdipGetImageHeight, imageHandle); }

}  // namespace pixmora
