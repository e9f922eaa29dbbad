#pragma once
// Tests that use the real main window as a designer does: pictures dropped on
// its boxes with the pointer over them, buttons clicked, and what its message
// boxes and folder dialog would show captured instead of shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imaging/toolkit_types.h"
#include "tests/support/temporary_folder.h"

namespace pixmora::testing {

class WindowFlowTest : public ::testing::Test {
protected:
    // Opens the window, shows `page`, and puts every slot, path, output box
    // and setting back to how the program starts.
    void SetUp() override;
    void TearDown() override;

    void showPage(int page);
    // Drops the files on the window with the pointer over the control.
    void dropOn(const char* control, const std::vector<std::string>& paths);
    // Clicks a button as the user does.
    void click(const char* button);
    // The folder the next folder dialogs give ("" = cancelled).
    void chooseFolder(const std::string& folder) { folderChoice = folder; }

    // A PNG picture file of one colour in the test's folder.
    std::string picture(const std::string& name, int width, int height, std::uint32_t argb);
    // Where the named picture box draws its picture; nothing when it is empty.
    std::optional<RectI> shown(const char* pictureBox);

    HWND window = nullptr;
    TemporaryFolder folder;
    std::vector<std::string> messages;
    std::vector<std::string> messageTitles;
    std::string folderChoice;
};

}  // namespace pixmora::testing
