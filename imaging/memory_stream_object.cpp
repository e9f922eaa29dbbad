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

namespace {

// The first step of growth, and growth by half the size at least after it.
constexpr std::uint64_t kFirstGrowth = 1u << 20;

}  // namespace

GrowAheadStream* GrowAheadStream::create(IStream* inner) { return inner ? new GrowAheadStream(inner) : nullptr; }

GrowAheadStream::GrowAheadStream(IStream* inner) : inner_(inner) {
    inner_->AddRef();
    STATSTG statistics{};
    if (SUCCEEDED(inner_->Stat(&statistics, STATFLAG_NONAME))) capacity_ = extent_ = statistics.cbSize.QuadPart;
}

GrowAheadStream::~GrowAheadStream() { inner_->Release(); }

bool GrowAheadStream::finish() {
    if (capacity_ == extent_) return true;
    ULARGE_INTEGER size;
    size.QuadPart = extent_;
    if (FAILED(inner_->SetSize(size))) return false;
    capacity_ = extent_;
    return true;
}

std::uint64_t GrowAheadStream::position() {
    LARGE_INTEGER zero{};
    ULARGE_INTEGER now{};
    return SUCCEEDED(inner_->Seek(zero, STREAM_SEEK_CUR, &now)) ? now.QuadPart : 0;
}

HRESULT GrowAheadStream::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) || IsEqualIID(riid, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG GrowAheadStream::AddRef() { return ++references_; }

ULONG GrowAheadStream::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT GrowAheadStream::Read(void* buffer, ULONG count, ULONG* read) {
    // The room grown ahead is not part of the stream: reading stops at the extent.
    const std::uint64_t at = position();
    const ULONG allowed = at >= extent_ ? 0 : static_cast<ULONG>(std::min<std::uint64_t>(count, extent_ - at));
    ULONG done = 0;
    const HRESULT result = allowed ? inner_->Read(buffer, allowed, &done) : S_OK;
    if (read) *read = done;
    return result;
}

HRESULT GrowAheadStream::Write(const void* buffer, ULONG count, ULONG* written) {
    const std::uint64_t end = position() + count;
    if (end > capacity_) {
        ULARGE_INTEGER grown;
        grown.QuadPart = std::max({end, capacity_ + capacity_ / 2, kFirstGrowth});
        if (FAILED(inner_->SetSize(grown))) {
            // Without room ahead the inner stream grows by itself, only slower.
            grown.QuadPart = end;
            if (FAILED(inner_->SetSize(grown))) return STG_E_MEDIUMFULL;
        }
        capacity_ = grown.QuadPart;
    }
    ULONG done = 0;
    const HRESULT result = inner_->Write(buffer, count, &done);
    if (written) *written = done;
    extent_ = std::max(extent_, end - (count - done));
    return result;
}

HRESULT GrowAheadStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
    if (origin == STREAM_SEEK_END) {
        // From the end the user knows, not from the end of the room grown ahead.
        const std::int64_t target = static_cast<std::int64_t>(extent_) + move.QuadPart;
        if (target < 0) return STG_E_INVALIDFUNCTION;
        move.QuadPart = target;
        origin = STREAM_SEEK_SET;
    }
    return inner_->Seek(move, origin, position);
}

HRESULT GrowAheadStream::SetSize(ULARGE_INTEGER size) {
    if (size.QuadPart > capacity_) {
        const HRESULT result = inner_->SetSize(size);
        if (FAILED(result)) return result;
        capacity_ = size.QuadPart;
    }
    extent_ = size.QuadPart;
    return S_OK;
}

HRESULT GrowAheadStream::CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read, ULARGE_INTEGER* written) {
    if (!target) return STG_E_INVALIDPOINTER;
    std::uint64_t copied = 0;
    HRESULT result = S_OK;
    std::uint8_t buffer[65536];
    while (copied < count.QuadPart) {
        ULONG got = 0;
        result = Read(buffer, static_cast<ULONG>(std::min<std::uint64_t>(sizeof buffer, count.QuadPart - copied)), &got);
        if (FAILED(result) || got == 0) break;
        ULONG put = 0;
        result = target->Write(buffer, got, &put);
        copied += put;
        if (FAILED(result) || put < got) break;
    }
    if (read) read->QuadPart = copied;
    if (written) written->QuadPart = copied;
    return FAILED(result) ? result : S_OK;
}

HRESULT GrowAheadStream::Commit(DWORD flags) { return inner_->Commit(flags); }
HRESULT GrowAheadStream::Revert() { return inner_->Revert(); }

HRESULT GrowAheadStream::LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) {
    return inner_->LockRegion(offset, count, type);
}

HRESULT GrowAheadStream::UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) {
    return inner_->UnlockRegion(offset, count, type);
}

HRESULT GrowAheadStream::Stat(STATSTG* statistics, DWORD flags) {
    const HRESULT result = inner_->Stat(statistics, flags);
    if (SUCCEEDED(result) && statistics) statistics->cbSize.QuadPart = extent_;
    return result;
}

HRESULT GrowAheadStream::Clone(IStream** copy) {
    if (copy) *copy = nullptr;
    return E_NOTIMPL;
}

}  // namespace pixmora
