#include "tests/support/window_flow.h"

#include "host/control_access.h"
#include "host/main_window.h"
#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"
#include "shell/app_globals.h"
#include "shell/main_window_layout.h"
#include "tests/support/drop_files.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::testing {

void WindowFlowTest::SetUp() {
    window = mainWindow();
    ASSERT_NE(window, nullptr);
    host::setMessageBoxHook([this](const std::string& title, const std::string& text, UINT) {
        messageTitles.push_back(title);
        messages.push_back(text);
    });
    host::setFolderDialogHook([this](HWND, const std::string&) { return folderChoice; });
    for (auto* path : {&slotPath1, &slotPath2, &slotPath3, &slotPath4, &splitSourcePath}) path->reset();
    for (int slot = 1; slot <= 4; ++slot) {
        host::writeText("地框" + std::to_string(slot), "图片" + std::to_string(slot));
        host::writePicture("图片框" + std::to_string(slot), {});
    }
    host::writeText("地框5", "图片拖入");
    for (const char* box : {"图片框5", "图片框存", "图片框存1"}) host::writePicture(box, {});
    host::writeText("保存框", "请选择保存位置");
    host::writeText("保存框1", "请选择保存位置");
    host::writeText("调节器", "1");
    host::writeText("横数量", "1");
    host::writeText("竖数量", "1");
    host::writeColour("颜色选择", RGB(255, 255, 255));
    host::writeTickState("生成边线", true);
    host::writeTickState("横拼", true);
    host::writeTickState("竖拼", false);
    showPage(kJoinPage);
    messages.clear();
    messageTitles.clear();
}

void WindowFlowTest::TearDown() {
    host::setMessageBoxHook(nullptr);
    host::setFolderDialogHook(nullptr);
}

void WindowFlowTest::showPage(int page) {
    host::selectPage(page);
    pumpMessages();
}

void WindowFlowTest::dropOn(const char* control, const std::vector<std::string>& paths) {
    ASSERT_TRUE(movePointer(controlCentreOnScreen(control)));
    std::vector<std::wstring> names;
    for (const auto& path : paths) names.push_back(toWideText(path));
    EXPECT_EQ(dropFiles(window, names), 0);
    pumpMessages();
}

void WindowFlowTest::click(const char* button) {
    SendMessageW(host::controlHandle(button), BM_CLICK, 0, 0);
    pumpMessages();
}

std::string WindowFlowTest::picture(const std::string& name, int width, int height, std::uint32_t argb) {
    const std::string path = folder.file(name);
    writePicture(textPath(path), solidPicture(width, height, argb), kPngFormatText);
    return path;
}

std::optional<RectI> WindowFlowTest::shown(const char* pictureBox) { return host::pictureDrawnRectangle(pictureBox); }

}  // namespace pixmora::testing
