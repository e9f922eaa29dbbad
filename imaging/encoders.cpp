#include "imaging/encoders.h"

#include <cstring>

#include "imaging/gdiplus_call.h"
#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"

namespace pixmora {
namespace {

ByteArray copyBytes(const BYTE* from, std::size_t count) {
    return from && count ? ByteArray(from, from + count) : ByteArray();
}

}  // namespace

std::size_t bytesPerEncoderValue(std::int32_t type) {
    switch (type) {
        case 1: case 2: case 7: return 1;  // byte, ASCII, undefined
        case 3: return 2;                  // short
        case 4: return 4;                  // long
        case 5: case 6: return 8;          // rational, long range
        case 8: return 16;                 // rational range
        default: return 0;
    }
}

int getImageEncoders(std::vector<EncoderInfo>& list) {
    UINT count = 0;
    UINT size = 0;
    if (!callGdiplus(gdiplus::GdipGetImageEncodersSize, &count, &size)) return 0;
    list.assign(count, EncoderInfo{});
    if (count == 0 || size < count * sizeof(Gdiplus::ImageCodecInfo)) return static_cast<int>(list.size());
    // Records first, then the strings and signatures they point to.
    std::vector<std::uint64_t> buffer((size + 7) / 8, 0);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (!callGdiplus(gdiplus::GdipGetImageEncoders, count, size, codecs)) return static_cast<int>(list.size());
    for (UINT i = 0; i < count; ++i) {
        const Gdiplus::ImageCodecInfo& codec = codecs[i];
        EncoderInfo& info = list[i];
        info.clsid = guidToText(codec.Clsid);
        info.formatId = guidToText(codec.FormatID);
        info.codecName = wideToText(codec.CodecName);
        info.dllName = wideToText(codec.DllName);
        info.formatDescription = wideToText(codec.FormatDescription);
        info.filenameExtension = wideToText(codec.FilenameExtension);
        info.mimeType = wideToText(codec.MimeType);
        info.flags = static_cast<std::int32_t>(codec.Flags);
        info.version = static_cast<std::int32_t>(codec.Version);
        info.sigCount = static_cast<std::int32_t>(codec.SigCount);
        info.sigSize = static_cast<std::int32_t>(codec.SigSize);
        const std::size_t signatureBytes = static_cast<std::size_t>(codec.SigCount) * codec.SigSize;
        info.sigPattern = copyBytes(codec.SigPattern, signatureBytes);
        info.sigMask = copyBytes(codec.SigMask, signatureBytes);
    }
    return static_cast<int>(count);
}

std::string encoderClsidForFormat(std::string_view format) {
    std::vector<EncoderInfo> encoders;
    getImageEncoders(encoders);
    for (const EncoderInfo& encoder : encoders)
        if (encoder.formatId == format) return encoder.clsid;
    return {};
}

EncoderParameterBytes::EncoderParameterBytes(const EncoderParameterSet& set) {
    valid_ = set.count >= 0 && static_cast<std::size_t>(set.count) <= set.items.size();
    // GDI+ reads numberOfValues values from each declared item.
    for (std::size_t i = 0; valid_ && i < static_cast<std::size_t>(set.count); ++i) {
        const EncoderParameterItem& item = set.items[i];
        valid_ = item.numberOfValues >= 0 &&
                 bytesPerEncoderValue(item.type) * static_cast<std::size_t>(item.numberOfValues) <= item.value.size();
    }
    const std::size_t size =
        offsetof(Gdiplus::EncoderParameters, Parameter) + set.items.size() * sizeof(Gdiplus::EncoderParameter);
    bytes_.assign((size + 7) / 8, 0);
    auto* parameters = reinterpret_cast<Gdiplus::EncoderParameters*>(bytes_.data());
    parameters->Count = static_cast<UINT>(set.count);
    for (std::size_t i = 0; i < set.items.size(); ++i) {
        const EncoderParameterItem& item = set.items[i];
        Gdiplus::EncoderParameter& parameter = parameters->Parameter[i];
        parameter.Guid = textToGuid(item.guid);
        parameter.NumberOfValues = static_cast<ULONG>(item.numberOfValues);
        parameter.Type = static_cast<ULONG>(item.type);
        parameter.Value = const_cast<std::uint8_t*>(item.value.data());
    }
}

}  // namespace pixmora
