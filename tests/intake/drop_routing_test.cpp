// Files dropped on the real main window, the way the shell drops them, with
// the mouse pointer over the target.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "host/control_events.h"
#include "host/control_registry.h"
#include "host/control_text.h"
#include "host/main_window.h"
#include "host/picture_box.h"
#include "host/window_under_mouse.h"
#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"
#include "intake/drop_routing.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"
#include "shell/main_window_layout.h"
#include "tests/support/drop_files.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

std::vector<std::string> labelTextsSeen;
std::vector<std::string> pathsSeen;
void recordSlot2() {
    labelTextsSeen.push_back(host::readText("地框2"));
    pathsSeen.push_back(slotPath2.value_or(""));
}

class DropRoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = testing::mainWindow();
        ASSERT_NE(window, nullptr);
        host::selectPage(kJoinPage);
        for (int slot = 1; slot <= 4; ++slot) {
            host::writeText("地框" + std::to_string(slot), "图片" + std::to_string(slot));
            host::writePicture("图片框" + std::to_string(slot), {});
        }
        host::writeText("地框5", "图片拖入");
        host::writePicture("图片框5", {});
        for (auto* path : {&slotPath1, &slotPath2, &slotPath3, &slotPath4, &splitSourcePath}) path->reset();
        testing::pumpMessages();
        labelTextsSeen.clear();
        pathsSeen.clear();
    }
    void TearDown() override { host::attachTextChanged("地框2", nullptr); }

    // Puts the pointer over the control and drops the files on the window.
    void dropOn(const char* control, const std::vector<std::string>& paths) {
        ASSERT_TRUE(testing::movePointer(testing::controlCentreOnScreen(control)));
        std::vector<std::wstring> names;
        for (const auto& path : paths) names.push_back(toWideText(path));
        EXPECT_EQ(testing::dropFiles(window, names), 0);
    }

    std::string picture(const char* name, int width, int height, std::uint32_t argb) {
        const std::string path = folder.file(name);
        testing::writePicture(testing::textPath(path), testing::solidPicture(width, height, argb), kPngFormatText);
        return path;
    }

    HWND window = nullptr;
    testing::TemporaryFolder folder;
};

TEST_F(DropRoutingTest, TheWindowIsRegisteredWithTheDropTargetWhenCreated) {
    ASSERT_TRUE(dropTarget);
    EXPECT_EQ(dropTarget->getWindow(), window);
    EXPECT_EQ(dropTarget->getWideNames(), 1);
    EXPECT_EQ(dropTarget->getDropCallback(), onFileDropped);
    EXPECT_EQ(reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_WNDPROC)), dropTarget->getWindowProcStub());
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(DropRoutingTest, PointerPlacementIsReportedBack) {
    const POINT centre = testing::controlCentreOnScreen("图片框3");
    ASSERT_TRUE(testing::movePointer(centre));
    EXPECT_EQ(host::windowUnderMouse(), host::controlHandle("图片框3"));
    ASSERT_TRUE(testing::movePointer(testing::controlCentreOnScreen("地框3")));
    EXPECT_NE(host::windowUnderMouse(), host::controlHandle("图片框3"));
}

TEST_F(DropRoutingTest, ADropOnAPictureBoxFillsItsSlot) {
    const std::string path = picture("a.b.png", 40, 30, 0xFF00FF00);
    dropOn("图片框3", {path});
    EXPECT_EQ(slotPath3.value_or(""), path);
    EXPECT_EQ(host::readText("地框3"), "a.b");
    const auto drawn = host::pictureDrawnRectangle("图片框3");
    ASSERT_TRUE(drawn.has_value());
    EXPECT_EQ(drawn->width, 40);
    EXPECT_EQ(drawn->height, 30);
    // Nothing else changed.
    EXPECT_FALSE(slotPath1 || slotPath2 || slotPath4 || splitSourcePath);
    EXPECT_EQ(host::readText("地框1"), "图片1");
}

TEST_F(DropRoutingTest, ANameWithoutExtensionIsShownWhole) {
    const std::string path = picture("noextension", 10, 10, 0xFF0000FF);
    dropOn("图片框1", {path});
    EXPECT_EQ(host::readText("地框1"), "noextension");
    EXPECT_TRUE(host::pictureDrawnRectangle("图片框1").has_value());
}

TEST_F(DropRoutingTest, SeveralFilesInOneDropEndWithTheLastAndRaiseTheHandlerForEach) {
    host::attachTextChanged("地框2", recordSlot2);
    const std::string first = picture("first.png", 10, 10, 0xFFFF0000);
    const std::string second = picture("second.png", 20, 10, 0xFF00FF00);
    const std::string third = picture("third.png", 30, 10, 0xFF0000FF);
    dropOn("图片框2", {first, second, third});
    EXPECT_EQ(slotPath2.value_or(""), third);
    EXPECT_EQ(host::readText("地框2"), "third");
    ASSERT_TRUE(host::pictureDrawnRectangle("图片框2").has_value());
    EXPECT_EQ(host::pictureDrawnRectangle("图片框2")->width, 30);
    // The handler ran once per file, with the path already stored.
    EXPECT_EQ(labelTextsSeen, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(pathsSeen, (std::vector<std::string>{first, second, third}));
}

TEST_F(DropRoutingTest, OnTheSplitTabTheFirstSlotsPlaceBelongsToSlotFive) {
    host::selectPage(kSplitPage);
    testing::pumpMessages();
    const std::string path = picture("split.png", 50, 40, 0xFF808080);
    dropOn("图片框1", {path});  // the place of 图片框1, where 图片框5 lies
    EXPECT_FALSE(slotPath1.has_value());
    EXPECT_EQ(host::readText("地框1"), "图片1");
    EXPECT_EQ(splitSourcePath.value_or(""), path);
    EXPECT_EQ(host::readText("地框5"), "split");
    EXPECT_TRUE(host::pictureDrawnRectangle("图片框5").has_value());
    EXPECT_FALSE(host::pictureDrawnRectangle("图片框1").has_value());
}

TEST_F(DropRoutingTest, DropsOutsideThePictureBoxesChangeNothing) {
    const std::string path = picture("nowhere.png", 10, 10, 0xFF000000);
    for (const char* place : {"地框1", "清空", "保存位", "透明标签5", "颜色选择"}) {
        SCOPED_TRACE(place);
        dropOn(place, {path});
    }
    // The window's own background, right of the tab control.
    RECT client;
    GetClientRect(window, &client);
    POINT background{880, client.bottom - 10};
    ClientToScreen(window, &background);
    ASSERT_TRUE(testing::movePointer(background));
    testing::dropFiles(window, {toWideText(path)});
    EXPECT_FALSE(slotPath1 || slotPath2 || slotPath3 || slotPath4 || splitSourcePath);
    for (int slot = 1; slot <= 4; ++slot) EXPECT_EQ(host::readText("地框" + std::to_string(slot)), "图片" + std::to_string(slot));
}

TEST_F(DropRoutingTest, AFileThatIsNoPictureIsStoredAndNamedButShowsNothing) {
    const std::string path = folder.file("notes.txt");
    testing::writeWholeFile(testing::textPath(path), ByteArray{'h', 'e', 'l', 'l', 'o'});
    dropOn("图片框4", {path});
    EXPECT_EQ(slotPath4.value_or(""), path);
    EXPECT_EQ(host::readText("地框4"), "notes");
    EXPECT_FALSE(host::pictureDrawnRectangle("图片框4").has_value());
}

TEST_F(DropRoutingTest, AMissingFileIsStoredAndNamedButShowsNothing) {
    const std::string path = folder.file("gone.png");
    dropOn("图片框4", {path});
    EXPECT_EQ(slotPath4.value_or(""), path);
    EXPECT_EQ(host::readText("地框4"), "gone");
    EXPECT_FALSE(host::pictureDrawnRectangle("图片框4").has_value());
}

TEST_F(DropRoutingTest, NamesOutsideTheSystemCodePageOpen) {
    for (const char* name : {"风景照.png", "ภาพถ่าย.png", "emoji🙂.png"}) {
        SCOPED_TRACE(name);
        const std::string path = picture(name, 12, 8, 0xFF00FFFF);
        dropOn("图片框2", {path});
        EXPECT_EQ(slotPath2.value_or(""), path);
        EXPECT_EQ(host::readText("地框2"), std::string(name).substr(0, std::string(name).size() - 4));
        ASSERT_TRUE(host::pictureDrawnRectangle("图片框2").has_value());
        EXPECT_EQ(host::pictureDrawnRectangle("图片框2")->width, 12);
    }
}

TEST_F(DropRoutingTest, AnOverlongNameIsRefusedNotCut) {
    // Cut at the buffer's length this name would be the path of the file below.
    const std::string real = picture("x.png", 10, 10, 0xFFFFFFFF);
    std::string overlong = real;
    overlong.resize(1024 + 20, 'y');
    dropOn("图片框3", {overlong});
    EXPECT_FALSE(slotPath3.has_value());
    EXPECT_EQ(host::readText("地框3"), "图片3");
}

}  // namespace
}  // namespace pixmora
