#pragma once
// A COM stream over a movable global memory block, so that pictures go from a
// byte buffer into GDI+ and back without touching a file.
#include <windows.h>
#include <objidl.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
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

// An output stream for an encoder that forwards to another stream (a
// MemoryStreamObject's) and grows it ahead in large steps: a stream over a
// global block that grows by exactly each write copies the whole block again
// and again, which for pictures of tens of megabytes costs seconds. The
// stream's size as its user sees it is the extent written (or set), not the
// room grown ahead; finish() trims the inner stream to that extent, so the
// block then holds exactly the bytes written. Reference counted; create()
// hands out the first reference.
class GrowAheadStream final : public IStream {
public:
    static GrowAheadStream* create(IStream* inner);
    // Trims the inner stream to the bytes written; true when it could.
    bool finish();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* statistics, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override;

private:
    explicit GrowAheadStream(IStream* inner);
    ~GrowAheadStream();
    std::uint64_t position();

    std::atomic<ULONG> references_{1};
    IStream* inner_;
    std::uint64_t capacity_ = 0;  // the inner stream's size
    std::uint64_t extent_ = 0;    // the size as this stream's user sees it
};

}  // namespace pixmora
