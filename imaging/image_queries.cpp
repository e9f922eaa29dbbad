// ImageObject: the queries of a loaded picture, its thumbnail, frames and
// rotation.
#include <algorithm>
#include <cstring>

#include "imaging/gdiplus_forward.h"
#include "imaging/guid_text.h"
#include "imaging/image_object.h"

namespace pixmora {

int ImageObject::getImageType() { return forwardQuery<Gdiplus::ImageType>(gdiplus::GdipGetImageType, imageHandle); }

float ImageObject::getImageHorizontalResolution() { return forwardQuery<Gdiplus::REAL>(gdiplus::GdipGetImageHorizontalResolution, imageHandle); }

float ImageObject::getImageVerticalResolution() { return forwardQuery<Gdiplus::REAL>(gdiplus::GdipGetImageVerticalResolution, imageHandle); }

std::uint32_t ImageObject::getImageFlags() { return forwardQuery<UINT>(gdiplus::GdipGetImageFlags, imageHandle); }

std::int32_t ImageObject::getImagePixelFormat() { return forwardQuery<Gdiplus::PixelFormat>(gdiplus::GdipGetImagePixelFormat, imageHandle); }

bool ImageObject::getImageThumbnail(std::uint32_t width, std::uint32_t height, ImageObject& target) {
    Gdiplus::GpImage* thumbnail = nullptr;
    const bool ok = forwardGdiplus(gdiplus::GdipGetImageThumbnail, imageHandle, width, height, &thumbnail, nullptr, nullptr);
    if (thumbnail) target.setNativeHandle(thumbnail);
    return ok;
}

std::uint32_t ImageObject::imageGetFrameCount(std::string_view dimension) {
    const GUID guid = textToGuid(dimension);
    return forwardQuery<UINT>(gdiplus::GdipImageGetFrameCount, imageHandle, &guid);
}

bool ImageObject::imageGetFrameDimensionsList(std::vector<std::string>& dimensions) {
    UINT count = 0;
    if (!callGdiplus(gdiplus::GdipImageGetFrameDimensionsCount, imageHandle, &count)) return false;
    std::vector<GUID> guids(count);
    dimensions.assign(count, std::string());
    // GDI+ is never handed an empty block to write into.
    if (count == 0) return storeStatus(Gdiplus::InvalidParameter);
    const bool ok = callGdiplus(gdiplus::GdipImageGetFrameDimensionsList, imageHandle, guids.data(), count);
    for (UINT i = 0; i < count; ++i) dimensions[i] = guidToText(guids[i]);
    return ok;
}

bool ImageObject::imageSelectActiveFrame(std::string_view dimension, std::uint32_t index) {
    const GUID guid = textToGuid(dimension);
    return forwardGdiplus(gdiplus::GdipImageSelectActiveFrame, imageHandle, &guid, index);
}

bool ImageObject::getFrameDelays(std::vector<std::int32_t>& delays) {
    PropertyRecord item;
    if (!getPropertyItem(kFrameDelayPropertyId, item)) return false;
    delays.assign(static_cast<std::size_t>(std::max(item.length, 0)) / 4, 0);
    // The value holds at most `length` bytes; count only whole delays it holds.
    delays.resize(std::min(delays.size(), item.value.size() / 4));
    if (!delays.empty()) std::memcpy(delays.data(), item.value.data(), delays.size() * 4);
    return true;
}

bool ImageObject::imageRotateFlip(int kind) { return forwardGdiplus(gdiplus::GdipImageRotateFlip, imageHandle, kind); }

}  // namespace pixmora
