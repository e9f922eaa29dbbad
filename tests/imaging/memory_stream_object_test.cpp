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

}  // namespace
}  // namespace pixmora
