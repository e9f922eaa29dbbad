// The join tab used through the real window: drops, buttons, settings and saves.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/control_access.h"
#include "imaging/guid_text.h"
#include "join/join_handlers.h"
#include "shell/app_globals.h"
#include "tests/support/test_pictures.h"
#include "tests/support/window_flow.h"

namespace pixmora {
namespace {

using testing::decodePictureFile;
using testing::textPath;

class JoinTab : public testing::WindowFlowTest {
protected:
    // Three pictures in slots 1 to 3, each 40 x 30 in its own colour.
    void dropThree() {
        dropOn("图片框1", {picture("red.png", 40, 30, 0xFFFF0000)});
        dropOn("图片框2", {picture("green.png", 40, 30, 0xFF00FF00)});
        dropOn("图片框3", {picture("blue.png", 40, 30, 0xFF0000FF)});
    }
    std::string chooseOutput(const std::string& chosenFolder) {
        chooseFolder(chosenFolder);
        click("保存位");
        return host::readText("保存框");
    }
};

TEST_F(JoinTab, DropsCountTheFilledSlotsAndShowThePreview) {
    EXPECT_EQ(joinCount, 0);
    EXPECT_FALSE(shown("图片框存"));
    dropThree();
    EXPECT_EQ(joinCount, 3);
    ASSERT_TRUE(shown("图片框存"));
    // Three 40 x 30 cells side by side, shown at natural size.
    EXPECT_EQ(shown("图片框存")->width, 120);
    EXPECT_EQ(shown("图片框存")->height, 30);
    EXPECT_TRUE(shown("图片框2"));
}

TEST_F(JoinTab, APictureNamedLikeTheDefaultLabelDoesNotCount) {
    dropOn("图片框1", {picture("first.png", 40, 30, 0xFFFF0000)});
    dropOn("图片框2", {picture("图片2.png", 80, 60, 0xFF00FF00)});
    EXPECT_EQ(host::readText("地框2"), "图片2");
    EXPECT_EQ(joinCount, 1);
    // It still sets the cell size: one 80 x 60 cell.
    EXPECT_EQ(shown("图片框存")->width, 80);
    dropOn("图片框3", {folder.file("图片2.png")});
    EXPECT_EQ(joinCount, 2);
}

TEST_F(JoinTab, SlotTwoAloneGivesNoPreview) {
    dropOn("图片框2", {picture("only.png", 40, 30, 0xFF00FF00)});
    EXPECT_EQ(joinCount, 1);
    EXPECT_FALSE(shown("图片框存"));
}

TEST_F(JoinTab, ClearEmptiesTheSlotsAndForgetsTheirPictures) {
    dropThree();
    dropOn("图片框4", {picture("big.png", 100, 80, 0xFF000000)});
    click("清空");
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(host::readText("地框" + std::to_string(slot)), "图片" + std::to_string(slot));
        EXPECT_FALSE(shown(("图片框" + std::to_string(slot)).c_str()));
    }
    EXPECT_EQ(joinCount, 0);
    EXPECT_FALSE(shown("图片框存"));
    EXPECT_FALSE(slotPath1 || slotPath2 || slotPath3 || slotPath4);
    // A new picture alone is not stretched to the forgotten 100 x 80 one.
    dropOn("图片框1", {picture("again.png", 40, 30, 0xFFFF0000)});
    EXPECT_EQ(shown("图片框存")->width, 40);
    EXPECT_EQ(shown("图片框存")->height, 30);
}

TEST_F(JoinTab, SettingsTakeEffectOnRegenerateOnly) {
    dropThree();
    host::writeTickState("竖拼", true);
    host::writeTickState("横拼", false);
    EXPECT_EQ(shown("图片框存")->width, 120);
    click("重新生成");
    EXPECT_EQ(shown("图片框存")->width, 40);
    EXPECT_EQ(shown("图片框存")->height, 90);
}

TEST_F(JoinTab, OutputPathsFromTheChosenFolder) {
    const std::string chosen = testing::pathText(folder.path());
    const std::string first = chooseOutput(chosen);
    ASSERT_EQ(first.size(), chosen.size() + std::string("\\拼接图_").size() + 6 + 4);
    EXPECT_EQ(first.substr(0, chosen.size() + std::string("\\拼接图_").size()), chosen + "\\拼接图_");
    EXPECT_EQ(first.substr(first.size() - 4), ".JPG");
    for (char c : first.substr(first.size() - 10, 6)) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << c;
    EXPECT_NE(chooseOutput(chosen), first);
    EXPECT_EQ(chooseOutput("C:\\").substr(0, 4 + std::string("拼接图_").size()), "C:\\\\拼接图_");
}

TEST_F(JoinTab, SaveRefusesAPathThatWasNotChosen) {
    dropThree();
    const auto before = shown("图片框存");
    click("保存");
    chooseOutput("");  // cancelled: the path begins with "\"
    EXPECT_EQ(host::readText("保存框").substr(0, std::string("\\拼接图_").size()), "\\拼接图_");
    click("保存");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "请选择正确的保存路径");
    EXPECT_EQ(messages[1], "请选择正确的保存路径");
    EXPECT_EQ(messageTitles[0], "提示");
    EXPECT_EQ(shown("图片框存")->width, before->width);
}

TEST_F(JoinTab, SaveWritesTheFileShowsItAndConfirms) {
    dropThree();
    const std::string path = chooseOutput(testing::pathText(folder.path()));
    // Stacked without regenerating: the save composes with the new setting.
    host::writeTickState("竖拼", true);
    click("保存");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "文件已保存到" + path);
    const auto saved = decodePictureFile(textPath(path));
    ASSERT_TRUE(saved.loaded);
    EXPECT_EQ(saved.format, kPngFormatText);  // slot 1's format, whatever the name says
    EXPECT_EQ(saved.picture.width, 40);
    EXPECT_EQ(saved.picture.height, 90);
    EXPECT_EQ(saved.picture.at(20, 10), 0xFFFF0000u);
    EXPECT_EQ(saved.picture.at(20, 75), 0xFF0000FFu);
    EXPECT_EQ(shown("图片框存")->height, 90);
    // A second save without a new choice replaces the file.
    host::writeTickState("竖拼", false);
    click("保存");
    EXPECT_EQ(decodePictureFile(textPath(path)).picture.width, 120);
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(JoinTab, FailedSavesAreReportedAndNeverConfirmed) {
    const std::string notPicture = folder.file("notes.png");
    testing::writeWholeFile(textPath(notPicture), ByteArray{'n', 'o'});
    struct Case {
        const char* what;
        std::function<std::string()> prepare;  // gives the output path
    };
    const std::string out = testing::pathText(folder.path());
    const Case cases[] = {
        {"slot 1 not a picture",
         [&] {
             dropOn("图片框1", {notPicture});
             dropOn("图片框2", {picture("g.png", 10, 10, 0xFF00FF00)});
             return chooseOutput(out);
         }},
        {"folder removed",
         [&] {
             dropThree();
             std::filesystem::create_directory(folder.path() / "gone");
             const std::string path = chooseOutput(out + "\\gone");
             std::filesystem::remove(folder.path() / "gone");
             return path;
         }},
        {"read-only file",
         [&] {
             dropThree();
             const std::string path = chooseOutput(out);
             testing::writeWholeFile(textPath(path), ByteArray{'o', 'l', 'd'});
             SetFileAttributesW(textPath(path).c_str(), FILE_ATTRIBUTE_READONLY);
             return path;
         }},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string path = c.prepare();
        const bool existed = std::filesystem::exists(textPath(path));
        const ByteArray before = existed ? testing::readWholeFile(textPath(path)) : ByteArray();
        click("保存");
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0].rfind("保存失败：" + path + "\n", 0), 0u) << c.what << ": " << messages[0];
        EXPECT_GT(messages[0].size(), std::string("保存失败：\n").size() + path.size()) << c.what;
        EXPECT_EQ(std::filesystem::exists(textPath(path)), existed) << c.what;
        if (existed) {
            EXPECT_EQ(testing::readWholeFile(textPath(path)), before) << c.what;
            SetFileAttributesW(textPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
}

}  // namespace
}  // namespace pixmora
