#pragma once
// A COM stream over a movable global memory block, so that pictures go from a
// byte buffer into GDI+ and back without touching a file.
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

#include "imaging/toolkit_types.h"

namespace pixmora {

class MemoryStreamObject {
public:
    MemoryStreamObject() = default;
    MemoryStreamObject(const MemoryStreamObject&) = delete;
    MemoryStreamObject& operator=(const MemoryStreamObject&) = delete;
    virtual ~MemoryStreamObject();

    // Replaces what the object held with a new stream holding the first `size`
    // bytes of `bytes` (all of them when size is omitted; a size beyond the
    // buffer is cut to it). An empty buffer gives an empty, growable stream.
    virtual IStream* createFromBytes(const ByteArray& bytes = {},
                                     std::optional<std::size_t> size = std::nullopt);
    // Lets go of the stream and frees the block; nothing when empty.
    virtual void release();
    // Size of the block in bytes.
    virtual std::size_t getSize() const;
    virtual IStream* getStream() const { return stream; }
    virtual HGLOBAL getGlobalHandle() const { return globalHandle; }
    // Takes over the caller's reference to a stream made with delete-on-release
    // off, and its block; true when the stream has a global block.
    virtual bool attachStream(IStream* stream);
    // A copy of the whole block.
    virtual ByteArray toBytes();

private:
    HGLOBAL globalHandle = nullptr;
    void* lockedPointer = nullptr;
    IStream* stream = nullptr;
};

}  // namespace pixmora
