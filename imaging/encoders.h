#pragma once
// The image encoders installed with GDI+, the choice of one by picture format,
// and encoder parameters in the form GDI+ takes them.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/toolkit_types.h"

namespace pixmora {

// One installed encoder.
struct EncoderInfo {
    std::string clsid;     // the encoder's class identifier, registry form
    std::string formatId;  // the file format it writes, registry form
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    std::int32_t flags = 0;
    std::int32_t version = 0;
    std::int32_t sigCount = 0;
    std::int32_t sigSize = 0;
    ByteArray sigPattern;
    ByteArray sigMask;
};

// One encoder parameter as callers write it.
struct EncoderParameterItem {
    std::string guid;               // the parameter's GUID, registry form
    std::int32_t numberOfValues = 0;
    std::int32_t type = 0;          // GDI+ value type, 1 to 8
    ByteArray value;                // the values, numberOfValues of them
};

struct EncoderParameterSet {
    std::int32_t count = 0;  // how many parameters GDI+ is told there are
    std::vector<EncoderParameterItem> items;
};

// Bytes per value of a GDI+ encoder parameter value type; 0 for an unknown type.
std::size_t bytesPerEncoderValue(std::int32_t type);

// Fills the list with every installed encoder and gives their number; 0 on
// failure, with the list left as it was.
int getImageEncoders(std::vector<EncoderInfo>& list);

// The clsid of the first installed encoder whose format identifier equals the
// text exactly (case-sensitive); "" when none does.
std::string encoderClsidForFormat(std::string_view format);

// A parameter set laid out as GDI+'s EncoderParameters structure. The values
// are referenced, not copied: the set must outlive the GDI+ call.
class EncoderParameterBytes {
public:
    explicit EncoderParameterBytes(const EncoderParameterSet& set);
    // False when the set declares more parameters than it holds, or an item
    // more values than its buffer holds: GDI+ would read past the end, so such
    // a set is never handed over.
    bool valid() const { return valid_; }
    const void* data() const { return bytes_.data(); }

private:
    std::vector<std::uint64_t> bytes_;  // 8-byte aligned storage
    bool valid_ = false;
};

}  // namespace pixmora
