#include "imaging/memory_stream_object.h"

#include <algorithm>
#include <cstring>

#include "imaging/system_api.h"

namespace pixmora {

MemoryStreamObject::~MemoryStreamObject() { release(); }

IStream* MemoryStreamObject::createFromBytes(const ByteArray& bytes, std::optional<std::size_t> size) {
    release();
    const std::size_t count = size ? std::min(*size, bytes.size()) : bytes.size();
    globalHandle = sys::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count);
    // Without a block there is nothing to copy into and no stream to make.
    if (!globalHandle) return nullptr;
    if (FAILED(sys::CreateStreamOnHGlobal(globalHandle, FALSE, &stream))) stream = nullptr;
    if (!stream) {
        sys::GlobalFree(globalHandle);
        globalHandle = nullptr;
        return nullptr;
    }
    if (count > 0) {
        lockedPointer = sys::GlobalLock(globalHandle);
        if (lockedPointer) std::memcpy(lockedPointer, bytes.data(), count);
        sys::GlobalUnlock(globalHandle);
        lockedPointer = nullptr;
    }
    return stream;
}

void MemoryStreamObject::release() {
    if (!stream) return;
    stream->Release();
    sys::GlobalFree(globalHandle);
    globalHandle = nullptr;
    stream = nullptr;
}

std::size_t MemoryStreamObject::getSize() const {
    return globalHandle ? sys::GlobalSize(globalHandle) : 0;
}

bool MemoryStreamObject::attachStream(IStream* newStream) {
    release();
    globalHandle = nullptr;
    if (newStream && FAILED(sys::GetHGlobalFromStream(newStream, &globalHandle))) globalHandle = nullptr;
    stream = newStream;
    return globalHandle != nullptr;
}

ByteArray MemoryStreamObject::toBytes() {
    ByteArray bytes;
    if (!globalHandle) return bytes;
    lockedPointer = sys::GlobalLock(globalHandle);
    if (lockedPointer) {
        const std::size_t count = sys::GlobalSize(globalHandle);
        const auto* first = static_cast<const std::uint8_t*>(lockedPointer);
        bytes.assign(first, first + count);
    }
    sys::GlobalUnlock(globalHandle);
    lockedPointer = nullptr;
    return bytes;
}

}  // namespace pixmora
