// Drives the real main window the way a designer uses it, for the README's
// pictures: drops pictures on their boxes (as the shell does, with the pointer
// over the box), changes settings, chooses a folder and saves, then keeps the
// window open until it is closed. The folder dialog and the message box are
// answered here instead of by a person; what they would show is printed.
//
//   pixmora-walkthrough join FOLDER PICTURE1 PICTURE2 PICTURE3 PICTURE4
//   pixmora-walkthrough split FOLDER PICTURE
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "host/control_access.h"
#include "host/main_window.h"
#include "host/message_loop.h"
#include "imaging/text_conversion.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"
#include "shell/main_window.h"
#include "shell/main_window_layout.h"
#include "shell/startup.h"
#include "tests/support/drop_files.h"

using namespace pixmora;

namespace {

void dropOn(HWND window, const char* box, const std::string& path) {
    RECT place{};
    GetWindowRect(host::controlHandle(box), &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    host::processPendingMessages();
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(testing::makeDrop({toWideText(path)})), 0);
    host::processPendingMessages();
}

void click(const char* button) {
    SendMessageW(host::controlHandle(button), BM_CLICK, 0, 0);
    host::processPendingMessages();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(wideToText(argv[i]));
    const bool join = args.size() == 6 && args[0] == "join";
    const bool split = args.size() == 3 && args[0] == "split";
    if (!join && !split) {
        std::fprintf(stderr, "usage: pixmora-walkthrough join FOLDER P1 P2 P3 P4 | split FOLDER PICTURE\n");
        return 2;
    }
    startGdiplus();
    readOsVersion();
    dropTarget = std::make_unique<DropTargetObject>();
    HWND window = openMainWindow();
    SetForegroundWindow(window);
    host::processPendingMessages();
    const std::string folder = args[1];
    host::setFolderDialogHook([&](HWND, const std::string&) { return folder; });
    host::setMessageBoxHook([](const std::string& title, const std::string& text, UINT) {
        std::printf("[%s] %s\n", title.c_str(), text.c_str());
        std::fflush(stdout);
    });

    if (join) {
        host::writeText("调节器", "6");
        host::writeColour("颜色选择", RGB(255, 255, 255));
        for (int slot = 1; slot <= 4; ++slot)
            dropOn(window, ("图片框" + std::to_string(slot)).c_str(), args[1 + slot]);
        click("保存位");
        click("保存");
    } else {
        host::selectPage(kSplitPage);
        host::processPendingMessages();
        host::writeText("横数量", "3");
        host::writeText("竖数量", "3");
        host::writeText("调节器", "8");
        host::writeColour("颜色选择", RGB(255, 214, 0));
        dropOn(window, "图片框5", args[2]);
        click("保存位1");
        click("保存1");
    }
    SetCursorPos(0, 0);
    std::printf("ready\n");
    std::fflush(stdout);
    host::runMessageLoop();
    return 0;
}
