// The split tab used through the real window: a drop, the settings, clearing and saving.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/control_access.h"
#include "imaging/guid_text.h"
#include "shell/app_globals.h"
#include "shell/main_window_layout.h"
#include "tests/support/test_pictures.h"
#include "tests/support/window_flow.h"

namespace pixmora {
namespace {

using testing::textPath;

class SplitTab : public testing::WindowFlowTest {
protected:
    void SetUp() override {
        WindowFlowTest::SetUp();
        showPage(kSplitPage);
    }
};

TEST_F(SplitTab, ADropOnTheSourceBoxShowsTheGrid) {
    const std::string source = picture("photo.png", 60, 30, 0xFF000000);
    dropOn("图片框5", {source});
    EXPECT_EQ(splitSourcePath.value_or(""), source);
    EXPECT_EQ(host::readText("地框5"), "photo");
    ASSERT_TRUE(shown("图片框存1"));
    EXPECT_EQ(shown("图片框存1")->width, 60);
    // The join slot at the same place is untouched.
    EXPECT_FALSE(slotPath1);
}

TEST_F(SplitTab, SavedFileHasTheLinesOfTheCurrentSettings) {
    dropOn("图片框5", {picture("photo.png", 60, 30, 0xFF000000)});
    chooseFolder(testing::pathText(folder.path()));
    click("保存位1");
    const std::string path = host::readText("保存框1");
    EXPECT_EQ(path.rfind(testing::pathText(folder.path()) + "\\分割图_", 0), 0u);
    host::writeText("横数量", "3");
    host::writeText("竖数量", "2");
    host::writeText("调节器", "2");
    host::writeColour("颜色选择", RGB(255, 0, 0));
    host::writeTickState("生成边线", false);
    click("保存1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "文件已保存到" + path);
    const auto saved = testing::decodePictureFile(textPath(path));
    ASSERT_TRUE(saved.loaded);
    EXPECT_EQ(saved.format, kPngFormatText);
    // Lines end at their band boundaries: rows 8-9 and 18-19, columns 28-29.
    EXPECT_EQ(saved.picture.at(5, 8), 0xFFFF0000u);
    EXPECT_EQ(saved.picture.at(5, 19), 0xFFFF0000u);
    EXPECT_EQ(saved.picture.at(29, 3), 0xFFFF0000u);
    EXPECT_EQ(saved.picture.at(5, 10), 0xFF000000u);
    EXPECT_EQ(saved.picture.at(59, 29), 0xFF000000u);  // no border
}

TEST_F(SplitTab, ClearForgetsTheSource) {
    dropOn("图片框5", {picture("photo.png", 60, 30, 0xFF000000)});
    click("清空1");
    EXPECT_EQ(host::readText("地框5"), "图片拖入");
    EXPECT_FALSE(shown("图片框5"));
    EXPECT_FALSE(splitSourcePath);
    EXPECT_FALSE(shown("图片框存1"));
    click("重新生成1");
    EXPECT_FALSE(shown("图片框存1"));
    chooseFolder(testing::pathText(folder.path()));
    click("保存位1");
    click("保存1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("保存失败：", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(textPath(host::readText("保存框1"))));
}

TEST_F(SplitTab, SaveRefusesThePlaceholderAndACancelledChoice) {
    dropOn("图片框5", {picture("photo.png", 60, 30, 0xFF000000)});
    click("保存1");
    chooseFolder("");
    click("保存位1");
    click("保存1");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "请选择正确的保存路径");
    EXPECT_EQ(messages[1], "请选择正确的保存路径");
}

}  // namespace
}  // namespace pixmora
