// Host services that need no window of the program: picture placement, the
// choice of the window under the mouse, random numbers, and the hooks that
// replace message boxes and the folder dialog.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "host/folder_dialog.h"
#include "host/message_box.h"
#include "host/picture_fit.h"
#include "host/random_number.h"
#include "host/window_under_mouse.h"

namespace pixmora::host {
namespace {

struct FitCase {
    int boxWidth, boxHeight, pictureWidth, pictureHeight;
    RectI expected;
};

TEST(FitPictureInBox, CentresShrinksAndNeverEnlarges) {
    const FitCase cases[] = {
        {728, 384, 2000, 1000, {0, 10, 728, 364}},   // wider: fills the width
        {728, 384, 100, 50, {314, 167, 100, 50}},    // smaller: natural size
        {176, 184, 1000, 2000, {42, 0, 92, 184}},    // taller: fills the height
        {176, 184, 176, 184, {0, 0, 176, 184}},      // exactly the box
        {176, 184, 177, 10, {0, 87, 176, 10}},       // one pixel too wide
        {176, 184, 5000, 1, {0, 91, 176, 1}},        // a line keeps one pixel
        {176, 184, 0, 10, {}},
        {0, 184, 10, 10, {}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.pictureWidth) + "x" + std::to_string(c.pictureHeight));
        const RectI r = fitPictureInBox(c.boxWidth, c.boxHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.width, c.expected.width);
        EXPECT_EQ(r.height, c.expected.height);
    }
}

TEST(SmallestContainingRectangle, PrefersTheSmallestSiblingThatHoldsThePoint) {
    const POINT point{50, 50};
    // The found window is a large tab control; a picture box lies beneath it in z-order.
    EXPECT_EQ(smallestContainingRectangle({{0, 0, 800, 700}, {10, 10, 100, 100}}, point), 1u);
    // A smaller sibling that does not hold the point does not count.
    EXPECT_EQ(smallestContainingRectangle({{0, 0, 800, 700}, {60, 60, 70, 70}}, point), 0u);
    // Ties go to the earlier window.
    EXPECT_EQ(smallestContainingRectangle({{0, 0, 800, 700}, {0, 0, 100, 100}, {0, 0, 100, 100}}, point), 1u);
    EXPECT_EQ(smallestContainingRectangle({{0, 0, 100, 100}, {0, 0, 100, 100}}, point), 0u);
    EXPECT_EQ(smallestContainingRectangle({{0, 0, 100, 100}}, point), 0u);
}

TEST(RandomWholeNumber, StaysInItsClosedRangeAndRepeatsFromTheStart) {
    resetRandomGenerator();
    std::vector<int> first;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = randomWholeNumber(1, 62);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 62);
        seen.insert(value);
        if (i < 10) first.push_back(value);
    }
    EXPECT_EQ(seen.size(), 62u);  // both ends and everything between are drawn
    resetRandomGenerator();
    for (int expected : first) EXPECT_EQ(randomWholeNumber(1, 62), expected);
    EXPECT_EQ(randomWholeNumber(5, 5), 5);
    EXPECT_EQ(randomWholeNumber(9, 3), 9);
    const int wide = randomWholeNumber(-2147483647 - 1, 2147483647);
    EXPECT_GE(wide, -2147483647 - 1);
}

TEST(MessageBoxHook, SeesTitleTextAndFlagsInsteadOfABox) {
    std::vector<std::string> shown;
    setMessageBoxHook([&](const std::string& title, const std::string& text, UINT flags) {
        shown.push_back(title + "|" + text);
        EXPECT_EQ(flags, static_cast<UINT>(MB_OK | MB_TASKMODAL));
    });
    showMessage("文件已保存到D:\\图\\a.JPG");
    showMessage("请选择正确的保存路径");
    setMessageBoxHook({});
    EXPECT_EQ(shown, (std::vector<std::string>{"提示|文件已保存到D:\\图\\a.JPG", "提示|请选择正确的保存路径"}));
}

TEST(FolderDialogHook, ReplacesTheDialogAndGetsItsOwnerAndTitle) {
    std::vector<std::string> titles;
    const auto owner = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    setFolderDialogHook([&](HWND given, const std::string& title) {
        EXPECT_EQ(given, owner);
        titles.push_back(title);
        return titles.size() == 1 ? std::string("D:\\图片") : std::string();
    });
    EXPECT_EQ(browseForFolder(owner), "D:\\图片");
    EXPECT_EQ(browseForFolder(owner, "选择"), "");
    setFolderDialogHook({});
    EXPECT_EQ(titles, (std::vector<std::string>{"浏览文件夹", "选择"}));
}

}  // namespace
}  // namespace pixmora::host
