// ImageObject: property items and the colour palette, copied between GDI+'s
// variable-length records and the toolkit's.
#include <algorithm>
#include <cstring>

#include "imaging/gdiplus_forward.h"
#include "imaging/image_object.h"

namespace pixmora {
namespace {

// Zero-filled storage aligned for GDI+'s records, which hold pointers.
std::vector<std::uint64_t> recordBuffer(std::size_t bytes) { return std::vector<std::uint64_t>((bytes + 7) / 8, 0); }

}  // namespace

bool ImageObject::getPropertyItem(std::int32_t id, PropertyRecord& item) {
    UINT size = 0;
    if (!callGdiplus(gdiplus::GdipGetPropertyItemSize, imageHandle, static_cast<PROPID>(id), &size)) return false;
    const std::size_t bytes = std::max<std::size_t>(size, sizeof(Gdiplus::PropertyItem));
    auto buffer = recordBuffer(bytes);
    auto* native = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    const bool ok = callGdiplus(gdiplus::GdipGetPropertyItem, imageHandle, static_cast<PROPID>(id), size, native);
    item.id = static_cast<std::int32_t>(native->id);
    item.length = static_cast<std::int32_t>(native->length);
    item.type = native->type;
    // The value follows the item head; never read beyond what GDI+ sized.
    const auto* value = reinterpret_cast<const std::uint8_t*>(native + 1);
    const std::size_t available = bytes - sizeof(Gdiplus::PropertyItem);
    item.value.assign(value, value + std::min<std::size_t>(native->length, available));
    return ok;
}

bool ImageObject::setPropertyItem(PropertyRecord& item) {
    if (item.length < 0 || static_cast<std::size_t>(item.length) > item.value.size())
        return storeStatus(Gdiplus::InvalidParameter);
    Gdiplus::PropertyItem native{static_cast<PROPID>(item.id), static_cast<ULONG>(item.length),
                                 static_cast<WORD>(item.type), item.value.data()};
    const bool ok = callGdiplus(gdiplus::GdipSetPropertyItem, imageHandle, &native);
    item.id = static_cast<std::int32_t>(native.id);
    item.length = static_cast<std::int32_t>(native.length);
    item.type = native.type;
    return ok;
}

bool ImageObject::removePropertyItem(std::int32_t id) { return forwardGdiplus(gdiplus::GdipRemovePropertyItem, imageHandle, id); }

std::uint32_t ImageObject::getPropertyIdList(std::vector<std::int32_t>& ids) {
    UINT count = 0;
    if (!callGdiplus(gdiplus::GdipGetPropertyCount, imageHandle, &count)) return 0;
    std::vector<PROPID> list(count);
    // A picture without properties: nothing to ask for, and no empty block for GDI+.
    if (count > 0 && !callGdiplus(gdiplus::GdipGetPropertyIdList, imageHandle, count, list.data())) return 0;
    ids.assign(list.begin(), list.end());
    return count;
}

bool ImageObject::getImagePalette(PaletteRecord& palette) {
    INT size = 0;
    if (!callGdiplus(gdiplus::GdipGetImagePaletteSize, imageHandle, &size)) return false;
    const std::size_t bytes = std::max<std::size_t>(static_cast<std::size_t>(std::max(size, 0)), sizeof(Gdiplus::ColorPalette));
    auto buffer = recordBuffer(bytes);
    auto* native = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    if (!callGdiplus(gdiplus::GdipGetImagePalette, imageHandle, native, size)) return false;
    const std::size_t room = (bytes - offsetof(Gdiplus::ColorPalette, Entries)) / sizeof(Gdiplus::ARGB);
    const std::size_t count = std::min<std::size_t>(native->Count, room);
    palette.flags = static_cast<std::int32_t>(native->Flags);
    palette.count = static_cast<std::int32_t>(count);
    palette.entries.assign(native->Entries, native->Entries + count);
    return true;
}

bool ImageObject::setImagePalette(PaletteRecord& palette) {
    if (palette.count < 0 || static_cast<std::size_t>(palette.count) > palette.entries.size())
        return storeStatus(Gdiplus::InvalidParameter);
    const std::size_t count = static_cast<std::size_t>(palette.count);
    auto buffer = recordBuffer(offsetof(Gdiplus::ColorPalette, Entries) + std::max<std::size_t>(count, 1) * sizeof(Gdiplus::ARGB));
    auto* native = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    native->Flags = static_cast<UINT>(palette.flags);
    native->Count = static_cast<UINT>(count);
    std::copy_n(palette.entries.begin(), count, native->Entries);
    const bool ok = callGdiplus(gdiplus::GdipSetImagePalette, imageHandle, native);
    palette.flags = static_cast<std::int32_t>(native->Flags);
    palette.count = static_cast<std::int32_t>(native->Count);
    std::copy_n(native->Entries, count, palette.entries.begin());
    return ok;
}

}  // namespace pixmora
