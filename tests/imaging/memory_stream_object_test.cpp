#include <gtest/gtest.h>

#include <cstring>

#include "imaging/memory_stream_object.h"

namespace pixmora {
namespace {

ULONGLONG streamSize(IStream* stream) {
    STATSTG status{};
    stream->Stat(&status, STATFLAG_NONAME);
    return status.cbSize.QuadPart;
}

TEST(MemoryStreamObject, EmptyStreamGrowsAndGivesBackExactlyWhatWasWritten) {
    MemoryStreamObject object;
    IStream* stream = object.createFromBytes();
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(object.getSize(), 0u);
    EXPECT_EQ(streamSize(stream), 0u);
    const char written[] = "picture bytes";
    ULONG count = 0;
    ASSERT_EQ(stream->Write(written, sizeof written, &count), S_OK);
    const ByteArray bytes = object.toBytes();
    EXPECT_EQ(bytes, ByteArray(written, written + sizeof written));
}

TEST(MemoryStreamObject, SizeTakesThatManyLeadingBytes) {
    MemoryStreamObject object;
    const ByteArray ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    IStream* stream = object.createFromBytes(ten, 4);
    EXPECT_EQ(streamSize(stream), 4u);
    EXPECT_EQ(object.toBytes(), (ByteArray{1, 2, 3, 4}));
    object.createFromBytes(ten);
    EXPECT_EQ(object.toBytes(), ten);
    // A size beyond the buffer is cut to it rather than read past its end.
    object.createFromBytes(ten, 1000);
    EXPECT_EQ(object.toBytes(), ten);
}

TEST(MemoryStreamObject, RefillingReplacesTheStreamAndTheBlock) {
    MemoryStreamObject object;
    object.createFromBytes(ByteArray{1, 2, 3});
    IStream* first = object.getStream();
    first->AddRef();
    object.createFromBytes(ByteArray{9});
    EXPECT_NE(object.getStream(), first);
    EXPECT_EQ(object.toBytes(), ByteArray{9});
    // The object let go of its reference to the first stream: ours is the last.
    EXPECT_EQ(first->Release(), 0u);
}

TEST(MemoryStreamObject, ReleaseEmptiesOnceAndIsHarmlessWhenEmpty) {
    MemoryStreamObject object;
    object.release();
    EXPECT_EQ(object.getStream(), nullptr);
    EXPECT_TRUE(object.toBytes().empty());
    EXPECT_EQ(object.getSize(), 0u);
    object.createFromBytes(ByteArray{1});
    object.release();
    object.release();
    EXPECT_EQ(object.getStream(), nullptr);
    EXPECT_EQ(object.getGlobalHandle(), nullptr);
}

TEST(MemoryStreamObject, AttachTakesOverAStreamAndItsBlock) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(block), "abc", 3);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    MemoryStreamObject object;
    EXPECT_TRUE(object.attachStream(stream));
    EXPECT_EQ(object.getGlobalHandle(), block);
    EXPECT_EQ(object.toBytes(), (ByteArray{'a', 'b', 'c'}));
    EXPECT_FALSE(object.attachStream(nullptr));
}

// An encoder sees only what it wrote, however far the block was grown ahead,
// and after finish() the block is exactly that.
TEST(GrowAheadStream, ShowsTheWrittenExtentAndTrimsTheBlockToIt) {
    MemoryStreamObject object;
    GrowAheadStream* stream = GrowAheadStream::create(object.createFromBytes());
    ASSERT_NE(stream, nullptr);
    const ByteArray first(3000, 0x11);
    ULONG count = 0;
    ASSERT_EQ(stream->Write(first.data(), static_cast<ULONG>(first.size()), &count), S_OK);
    EXPECT_EQ(count, first.size());
    EXPECT_GT(object.getSize(), first.size());  // grown ahead
    EXPECT_EQ(streamSize(stream), first.size());

    // Seeking from the end goes from the written end; reading stops there.
    LARGE_INTEGER back{};
    back.QuadPart = -2;
    ULARGE_INTEGER position{};
    ASSERT_EQ(stream->Seek(back, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, first.size() - 2);
    std::uint8_t read[8] = {};
    ASSERT_EQ(stream->Read(read, sizeof read, &count), S_OK);
    EXPECT_EQ(count, 2u);

    // A header patched at the start after the body, as encoders do.
    LARGE_INTEGER start{};
    ASSERT_EQ(stream->Seek(start, STREAM_SEEK_SET, nullptr), S_OK);
    const std::uint8_t header[2] = {0xAB, 0xCD};
    ASSERT_EQ(stream->Write(header, 2, &count), S_OK);
    EXPECT_EQ(streamSize(stream), first.size());

    EXPECT_TRUE(stream->finish());
    EXPECT_EQ(stream->Release(), 0u);
    ByteArray expected = first;
    expected[0] = 0xAB;
    expected[1] = 0xCD;
    EXPECT_EQ(object.toBytes(), expected);
}

TEST(GrowAheadStream, ASizeSetByItsUserIsTheSizeItSees) {
    MemoryStreamObject object;
    GrowAheadStream* stream = GrowAheadStream::create(object.createFromBytes());
    ASSERT_NE(stream, nullptr);
    ULARGE_INTEGER size{};
    size.QuadPart = 10;
    ASSERT_EQ(stream->SetSize(size), S_OK);
    EXPECT_EQ(streamSize(stream), 10u);
    IStream* same = nullptr;
    ASSERT_EQ(stream->QueryInterface(IID_IStream, reinterpret_cast<void**>(&same)), S_OK);
    EXPECT_EQ(same, static_cast<IStream*>(stream));
    same->Release();
    EXPECT_TRUE(stream->finish());
    stream->Release();
    // The bytes of a size set but never written are undefined, as for any stream.
    EXPECT_EQ(object.toBytes().size(), 10u);
}

}  // namespace
}  // namespace pixmora
