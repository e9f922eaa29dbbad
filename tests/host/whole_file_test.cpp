#include <gtest/gtest.h>

#include <filesystem>

#include "host/whole_file.h"
#include "tests/support/temporary_folder.h"

namespace pixmora::host {
namespace {

using pixmora::testing::TemporaryFolder;
using pixmora::testing::textPath;

TEST(WholeFile, ReadsWhatWasWrittenUnderAChineseName) {
    TemporaryFolder folder;
    const std::string path = folder.file("图片 一.bin");
    const ByteArray bytes = {0, 1, 2, 255, 254};
    ASSERT_EQ(writeWholeFileReplacing(path, bytes), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(readWholeFile(path), bytes);
    // Replacing leaves exactly the new content and no temporary file.
    ASSERT_EQ(writeWholeFileReplacing(path, ByteArray{7}), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(readWholeFile(path), ByteArray{7});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WholeFile, UnreadableThingsGiveNoBytes) {
    TemporaryFolder folder;
    EXPECT_TRUE(readWholeFile(folder.file("missing.png")).empty());
    EXPECT_TRUE(readWholeFile(pixmora::testing::pathText(folder.path())).empty());
    EXPECT_TRUE(readWholeFile("").empty());
}

TEST(WholeFile, FailedWritesLeaveEverythingAsItWas) {
    TemporaryFolder folder;
    EXPECT_NE(writeWholeFileReplacing(folder.file("gone\\x.JPG"), ByteArray{1}), static_cast<DWORD>(ERROR_SUCCESS));
    const std::string locked = folder.file("locked.JPG");
    ASSERT_EQ(writeWholeFileReplacing(locked, ByteArray{1, 2, 3}), static_cast<DWORD>(ERROR_SUCCESS));
    SetFileAttributesW(textPath(locked).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(writeWholeFileReplacing(locked, ByteArray{9}), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(readWholeFile(locked), (ByteArray{1, 2, 3}));
    EXPECT_NE(writeWholeFileReplacing(pixmora::testing::pathText(folder.path()), ByteArray{1}),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace pixmora::host
