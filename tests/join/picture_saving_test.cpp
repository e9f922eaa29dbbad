#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/guid_text.h"
#include "join/join_composition.h"
#include "join/picture_saving.h"
#include "join/save_messages.h"
#include "tests/support/composition_support.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::textPath;

class PictureSaving : public testing::PictureFolderTest {
protected:
    void SetUp() override {
        settings.slotPaths[0] = write("slot1.png", testing::solidPicture(12, 8, 0xFF0000FF), kPngFormatText);
        settings.count = 1;
    }
    JoinSettings settings;
};

TEST_F(PictureSaving, WritesTheComposedBytesAndReplacesAnEarlierFile) {
    const std::string path = folder.file("拼接图_abc123.JPG");
    testing::writeWholeFile(textPath(path), ByteArray{'o', 'l', 'd'});
    const ExportResult result = exportJoin(settings, path);
    ASSERT_TRUE(result.outcome.written) << result.outcome.reason;
    EXPECT_TRUE(result.outcome.reason.empty());
    EXPECT_EQ(saveOutcomeMessage(path, result.outcome), "文件已保存到" + path);
    ASSERT_FALSE(result.picture.bytes.empty());
    EXPECT_EQ(testing::readWholeFile(textPath(path)), result.picture.bytes);
    // A PNG in slot 1 gives a PNG file, whatever the name says.
    EXPECT_EQ(testing::decodePictureFile(textPath(path)).format, kPngFormatText);
    // Saving again with other settings replaces the file, leaving nothing beside it.
    settings.count = 2;
    const ExportResult again = exportJoin(settings, path);
    ASSERT_TRUE(again.outcome.written);
    EXPECT_EQ(testing::readWholeFile(textPath(path)), again.picture.bytes);
    EXPECT_EQ(testing::decodePictureFile(textPath(path)).picture.width, 24);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST_F(PictureSaving, FailuresWriteNothingAndSayWhy) {
    const std::string kept = folder.file("kept.JPG");
    testing::writeWholeFile(textPath(kept), ByteArray{1, 2, 3});
    SetFileAttributesW(textPath(kept).c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string metafile = folder.file("drawing.emf");
    testing::writeMetafile(testing::textPath(metafile));
    JoinSettings metafileSettings = settings;
    metafileSettings.slotPaths[0] = metafile;
    JoinSettings emptySettings;
    emptySettings.count = 1;

    struct Case {
        const char* name;
        const JoinSettings& settings;
        std::string path;
        std::string reason;
    };
    for (const Case& c : {
             Case{"folder gone", settings, folder.file("gone\\拼接图_abc123.JPG"), writeFailureReason(ERROR_PATH_NOT_FOUND)},
             Case{"read-only file", settings, kept, writeFailureReason(ERROR_ACCESS_DENIED)},
             Case{"a folder in the way", settings, testing::pathText(folder.path()), writeFailureReason(ERROR_DIRECTORY)},
             Case{"no encoder", metafileSettings, folder.file("metafile.JPG"), composeProblemText(ComposeProblem::noEncoder)},
             Case{"no picture in slot 1", emptySettings, folder.file("none.JPG"),
                  composeProblemText(ComposeProblem::noFirstSlotPicture)},
         }) {
        SCOPED_TRACE(c.name);
        const ExportResult result = exportJoin(c.settings, c.path);
        EXPECT_FALSE(result.outcome.written);
        EXPECT_EQ(result.outcome.reason, c.reason);
        EXPECT_FALSE(c.reason.empty());
        EXPECT_EQ(saveOutcomeMessage(c.path, result.outcome), "保存失败：" + c.path + "\n" + c.reason);
    }
    // The read-only file is as it was; nothing else appeared.
    EXPECT_EQ(testing::readWholeFile(textPath(kept)), (ByteArray{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(textPath(folder.file("metafile.JPG"))));
    EXPECT_FALSE(std::filesystem::exists(textPath(folder.file("none.JPG"))));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

TEST(WriteFailureReason, OtherErrorsGiveTheSystemsTextAndTheCode) {
    const std::string reason = writeFailureReason(ERROR_INVALID_NAME);
    EXPECT_NE(reason.find("123"), std::string::npos) << reason;
    EXPECT_GT(reason.size(), std::string("（错误代码 123）").size()) << reason;
    EXPECT_NE(writeFailureReason(ERROR_PATH_NOT_FOUND), writeFailureReason(ERROR_ACCESS_DENIED));
}

TEST(SaveMessages, TextsAndTheSavePathRule) {
    EXPECT_EQ(savedMessage("C:\\x\\拼接图_abc123.JPG"), "文件已保存到C:\\x\\拼接图_abc123.JPG");
    EXPECT_EQ(saveFailedMessage("D:\\a.JPG", "原因"), "保存失败：D:\\a.JPG\n原因");
    struct Case {
        const char* path;
        bool accepted;
    };
    for (const Case& c : {Case{"请选择保存位置", false}, Case{"\\拼接图_abc123.JPG", false},
                          Case{"C:\\x\\拼接图_abc123.JPG", true}, Case{"D:\\\\分割图_abc123.JPG", true},
                          Case{"请选择保存位置 ", true}, Case{"", false}})
        EXPECT_EQ(isAcceptedSavePath(c.path), c.accepted) << c.path;
}

}  // namespace
}  // namespace pixmora
