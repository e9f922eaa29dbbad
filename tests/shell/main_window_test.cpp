// The main window as the program opens it: frame, controls, and the host
// behaviour of each kind of control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "host/colour_picker.h"
#include "host/control_events.h"
#include "host/control_fonts.h"
#include "host/control_registry.h"
#include "host/control_text.h"
#include "host/main_window.h"
#include "host/picture_box.h"
#include "host/tick_state.h"
#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"
#include "shell/main_window_layout.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::mainWindow;
using testing::pumpMessages;

std::string className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return wideToText(name);
}

LONG_PTR style(std::string_view name) { return GetWindowLongPtrW(host::controlHandle(name), GWL_STYLE); }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = mainWindow();
        ASSERT_NE(window, nullptr);
        host::selectPage(kJoinPage);
        pumpMessages();
    }
    HWND window = nullptr;
};

TEST_F(MainWindowTest, FrameHasTitleSizeAndFixedStyleAndIsCentred) {
    EXPECT_EQ(testing::mainWindow(), host::mainWindowHandle());
    EXPECT_EQ(host::windowText(window), "Zarvo专版（Pixmora）1.0");
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 939);
    EXPECT_EQ(outer.bottom - outer.top, 749);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 939) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 749) / 2);
    const LONG_PTR frame = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(frame & WS_CAPTION);
    EXPECT_TRUE(frame & WS_SYSMENU);
    EXPECT_TRUE(frame & WS_MINIMIZEBOX);
    EXPECT_FALSE(frame & WS_MAXIMIZEBOX);
    EXPECT_FALSE(frame & WS_THICKFRAME);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetMenu(window), nullptr);
    // The client area holds the tab control whole.
    RECT client;
    GetClientRect(window, &client);
    EXPECT_GE(client.right, 824);
    EXPECT_GE(client.bottom, 712);
    EXPECT_EQ(outer.right - outer.left - client.right, 2 * GetSystemMetrics(SM_CXFIXEDFRAME));
}

TEST(CentredWindowPosition, HalvesTheRoomLeftInWholePixels) {
    EXPECT_EQ(host::centredWindowPosition(1280, 1024, 939, 749).x, 170);
    EXPECT_EQ(host::centredWindowPosition(1280, 1024, 939, 749).y, 137);
    EXPECT_EQ(host::centredWindowPosition(1920, 1080, 939, 749).x, 490);
    EXPECT_EQ(host::centredWindowPosition(1920, 1080, 939, 749).y, 165);
}

struct ControlCase {
    const char* name;
    const char* className;
    int left, top, width, height;
    const char* text;
    int page;  // -1 on both pages
};

// Every control: its class, place, size, initial text and page.
const ControlCase kControls[] = {
    {"选择夹1", "SysTabControl32", 0, 0, 824, 712, "", -1},
    {"透明标签1", "Static", 832, 16, 100, 32, "分割线大小", -1},
    // The edit part of 调节器; its spinner fills the rest of the 66 pixels.
    {"调节器", "Edit", 832, 48, 66 - 18, 32, "1", -1},
    {"透明标签4", "Static", 832, 80, 100, 32, "分割线颜色", -1},
    {"颜色选择", "PixmoraColourPicker", 832, 112, 80, 40, "", -1},
    {"生成边线", "Button", 832, 168, 80, 40, "是否生成边线", -1},
    {"地框1", "Edit", 9, 30, 176, 48, "图片1", 0},
    {"地框2", "Edit", 193, 30, 176, 48, "图片2", 0},
    {"地框3", "Edit", 377, 30, 176, 48, "图片3", 0},
    {"地框4", "Edit", 561, 30, 176, 48, "图片4", 0},
    {"透明标签5", "Static", 10, 77, 264, 24, "请将需要处理的图片按顺序拖入下面的图框中", 0},
    {"图片框1", "PixmoraPictureBox", 9, 102, 176, 184, "", 0},
    {"图片框2", "PixmoraPictureBox", 193, 102, 176, 184, "", 0},
    {"图片框3", "PixmoraPictureBox", 377, 102, 176, 184, "", 0},
    {"图片框4", "PixmoraPictureBox", 561, 102, 176, 184, "", 0},
    {"清空", "Button", 747, 49, 65, 32, "清空", 0},
    {"重新生成", "Button", 747, 86, 65, 32, "重新生成", 0},
    {"保存", "Button", 747, 123, 65, 32, "保存", 0},
    {"横拼", "Button", 752, 168, 56, 24, "横拼", 0},
    {"竖拼", "Button", 752, 192, 56, 24, "竖拼", 0},
    {"保存框", "Edit", 9, 289, 600, 24, "请选择保存位置", 0},
    {"保存位", "Button", 617, 289, 104, 24, "选择保存位置", 0},
    {"图片框存", "PixmoraPictureBox", 9, 321, 728, 384, "", 0},
    {"地框5", "Edit", 9, 30, 176, 48, "图片拖入", 1},
    {"透明标签2", "Static", 488, 56, 100, 32, "横向分割数：", 1},
    {"横数量", "Edit", 584, 58, 48, 24, "1", 1},
    {"透明标签3", "Static", 489, 103, 100, 32, "竖向分割数：", 1},
    {"竖数量", "Edit", 584, 105, 48, 24, "1", 1},
    {"透明标签6", "Static", 10, 77, 264, 24, "请将需要处理的图片拖入下面的图框中", 1},
    {"图片框5", "PixmoraPictureBox", 9, 102, 176, 184, "", 1},
    {"清空1", "Button", 747, 49, 65, 32, "清空", 1},
    {"重新生成1", "Button", 747, 86, 65, 32, "重新生成", 1},
    {"保存1", "Button", 747, 123, 65, 32, "保存", 1},
    {"保存框1", "Edit", 9, 289, 600, 24, "请选择保存位置", 1},
    {"保存位1", "Button", 617, 289, 104, 24, "选择保存位置", 1},
    {"图片框存1", "PixmoraPictureBox", 9, 321, 728, 384, "", 1},
};

TEST_F(MainWindowTest, EveryControlHasItsClassPlaceSizeTextAndPage) {
    EXPECT_EQ(host::registeredControls().size(), std::size(kControls));
    for (int page : {kJoinPage, kSplitPage}) {
        host::selectPage(page);
        pumpMessages();
        for (const ControlCase& c : kControls) {
            SCOPED_TRACE(c.name);
            HWND control = host::controlHandle(c.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(GetParent(control), window);
            EXPECT_STRCASEEQ(className(control).c_str(), c.className);
            const RECT place = testing::controlRectangle(c.name);
            EXPECT_EQ(place.left, c.left);
            EXPECT_EQ(place.top, c.top);
            EXPECT_EQ(place.right - place.left, c.width);
            EXPECT_EQ(place.bottom - place.top, c.height);
            EXPECT_EQ(host::readText(c.name), c.text);
            EXPECT_EQ(IsWindowVisible(control) != FALSE, c.page == -1 || c.page == page) << "page " << page;
        }
    }
}

TEST_F(MainWindowTest, TabControlHasTheTwoPagesAndShowsTheJoinPageFirst) {
    HWND tabs = host::controlHandle("选择夹1");
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
    for (int i = 0; i < 2; ++i) {
        wchar_t caption[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = 32;
        SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(wideToText(caption), i == 0 ? "拼图" : "分图");
    }
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    // The tab control lies beneath every other control.
    EXPECT_EQ(GetWindow(tabs, GW_HWNDLAST), tabs);
}

TEST_F(MainWindowTest, ChoosingTheOtherTabShowsOnlyThatPagesControls) {
    HWND tabs = host::controlHandle("选择夹1");
    // As the user's click does: the selection changes, then the control tells its parent.
    SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
    NMHDR notice{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(window, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    EXPECT_TRUE(IsWindowVisible(host::controlHandle("图片框5")));
    EXPECT_FALSE(IsWindowVisible(host::controlHandle("图片框1")));
    EXPECT_TRUE(IsWindowVisible(host::controlHandle("调节器")));
    EXPECT_EQ(host::currentPage(), kSplitPage);
    SendMessageW(tabs, TCM_SETCURSEL, 0, 0);
    SendMessageW(window, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    EXPECT_FALSE(IsWindowVisible(host::controlHandle("图片框5")));
    EXPECT_TRUE(IsWindowVisible(host::controlHandle("图片框1")));
}

TEST_F(MainWindowTest, InitialSettingsOfTheSharedAndJoinControls) {
    EXPECT_EQ(host::readTickState("横拼"), 1);
    EXPECT_EQ(host::readTickState("竖拼"), 0);
    EXPECT_EQ(host::readTickState("生成边线"), 1);
    EXPECT_EQ(host::readColour("颜色选择"), RGB(255, 255, 255));
    // Slot labels and output boxes: disabled, so neither typed into nor focused.
    for (const char* name : {"地框1", "地框2", "地框3", "地框4", "地框5", "保存框", "保存框1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsWindowEnabled(host::controlHandle(name)));
        EXPECT_FALSE(style(name) & WS_TABSTOP);
    }
    for (const char* name : {"地框1", "地框5"}) {
        EXPECT_TRUE(style(name) & ES_MULTILINE);
        EXPECT_TRUE(style(name) & ES_READONLY);
    }
    EXPECT_FALSE(style("保存框") & ES_MULTILINE);
    EXPECT_EQ(SendMessageW(host::controlHandle("横数量"), EM_GETLIMITTEXT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(host::controlHandle("竖数量"), EM_GETLIMITTEXT, 0, 0), 2);
}

TEST_F(MainWindowTest, TabStopsAreTheInputControlsOnly) {
    for (const char* name : {"调节器", "颜色选择", "生成边线", "清空", "重新生成", "保存", "横拼", "竖拼", "保存位",
                             "横数量", "竖数量", "清空1", "重新生成1", "保存1", "保存位1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(style(name) & WS_TABSTOP);
    }
    for (const char* name : {"透明标签1", "透明标签5", "图片框1", "图片框存", "选择夹1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(style(name) & WS_TABSTOP);
    }
}

TEST_F(MainWindowTest, NamedCaptionsUseTheBoldGb2312FontAndTheRestTheDefault) {
    for (const char* name : {"透明标签1", "透明标签2", "透明标签3", "透明标签4", "横拼", "竖拼", "生成边线"}) {
        SCOPED_TRACE(name);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(host::controlHandle(name), WM_GETFONT, 0, 0));
        const LOGFONTW description = host::fontDescription(font);
        EXPECT_EQ(description.lfHeight, -16);
        EXPECT_EQ(description.lfWeight, FW_BOLD);
        EXPECT_EQ(description.lfCharSet, GB2312_CHARSET);
    }
    for (const char* name : {"透明标签5", "透明标签6", "清空", "地框1", "调节器"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(host::controlHandle(name), WM_GETFONT, 0, 0)),
                  host::defaultControlFont());
    }
}

TEST_F(MainWindowTest, RadioButtonsFormOneGroup) {
    HWND across = host::controlHandle("横拼");
    HWND stacked = host::controlHandle("竖拼");
    SendMessageW(stacked, BM_CLICK, 0, 0);
    EXPECT_EQ(host::readTickState("竖拼"), 1);
    EXPECT_EQ(host::readTickState("横拼"), 0);
    SendMessageW(across, BM_CLICK, 0, 0);
    EXPECT_EQ(host::readTickState("横拼"), 1);
    EXPECT_EQ(host::readTickState("竖拼"), 0);
    host::writeTickState("竖拼", true);
    EXPECT_EQ(host::readTickState("横拼"), 0);
    host::writeTickState("横拼", true);
    EXPECT_EQ(host::readTickState("竖拼"), 0);
}

TEST_F(MainWindowTest, ToggleFlipsOnClickAndDrawsItsRedCaptionAtTheTop) {
    HWND toggle = host::controlHandle("生成边线");
    SendMessageW(toggle, BM_CLICK, 0, 0);
    EXPECT_EQ(host::readTickState("生成边线"), 0);
    SendMessageW(toggle, BM_CLICK, 0, 0);
    EXPECT_EQ(host::readTickState("生成边线"), 1);

    // Red caption pixels lie in the upper part of the button and on both
    // sides of its middle.
    RedrawWindow(toggle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(toggle);
    int topmostRed = -1, leftmostRed = 1000, rightmostRed = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (GetRValue(pixel) > 200 && GetGValue(pixel) < 80 && GetBValue(pixel) < 80) {
                if (topmostRed < 0) topmostRed = y;
                leftmostRed = std::min(leftmostRed, x);
                rightmostRed = std::max(rightmostRed, x);
            }
        }
    ReleaseDC(toggle, dc);
    ASSERT_GE(topmostRed, 0) << "no red caption drawn";
    EXPECT_LT(topmostRed, 10);
    EXPECT_LE(std::abs((leftmostRed + rightmostRed) / 2 - 40), 3);
}

TEST_F(MainWindowTest, ColourPickerOpensTheColourDialogOnClick) {
    HWND picker = host::controlHandle("颜色选择");
    std::vector<COLORREF> offered;
    host::setColourDialogHook([&](HWND owner, COLORREF current) -> std::optional<COLORREF> {
        EXPECT_EQ(owner, window);
        offered.push_back(current);
        return offered.size() == 1 ? std::optional<COLORREF>(RGB(10, 20, 30)) : std::nullopt;
    });
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(host::readColour("颜色选择"), RGB(10, 20, 30));
    // Cancelling keeps the colour.
    SendMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(host::readColour("颜色选择"), RGB(10, 20, 30));
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0], RGB(255, 255, 255));
    EXPECT_EQ(offered[1], RGB(10, 20, 30));
    // The swatch shows the colour.
    RedrawWindow(picker, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(picker);
    EXPECT_EQ(GetPixel(dc, 40, 20), RGB(10, 20, 30));
    ReleaseDC(picker, dc);
    host::setColourDialogHook({});
    host::writeColour("颜色选择", RGB(255, 255, 255));
}

int textChangedCalls = 0;
std::string textSeenByHandler;
void countTextChanged() {
    ++textChangedCalls;
    textSeenByHandler = host::readText("地框2");
}

TEST_F(MainWindowTest, WritingATextRaisesTheHandlerBeforeTheWriteReturns) {
    textChangedCalls = 0;
    host::attachTextChanged("地框2", countTextChanged);
    host::writeText("地框2", "第一张");
    EXPECT_EQ(textChangedCalls, 1);
    EXPECT_EQ(textSeenByHandler, "第一张");
    // An equal text raises it too.
    host::writeText("地框2", "第一张");
    EXPECT_EQ(textChangedCalls, 2);
    pumpMessages();
    EXPECT_EQ(textChangedCalls, 2);
    host::writeText("地框2", "图片2");
    host::attachTextChanged("地框2", nullptr);
    host::writeText("地框2", "图片2");
    EXPECT_EQ(textChangedCalls, 3);
    EXPECT_EQ(host::readText("地框2"), "图片2");
}

void pressSpinner(int direction) {
    HWND spinner = host::findControl("调节器")->companion;
    RECT client;
    GetClientRect(spinner, &client);
    const int y = direction > 0 ? client.bottom / 4 : client.bottom * 3 / 4;
    SendMessageW(spinner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, y));
    SendMessageW(spinner, WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, y));
    pumpMessages();
}

struct SpinCase {
    const char* start;
    std::vector<int> presses;
    const char* expected;
};

TEST_F(MainWindowTest, SpinnerStepsTheThicknessByOneAndStopsAtZero) {
    const SpinCase cases[] = {
        {"1", {-1}, "0"},
        {"1", {-1, -1}, "0"},
        {"5", {+1}, "6"},
        {"99", {+1, +1, +1}, "102"},
        {"999", {+1}, "1000"},
        {"abc", {+1}, "1"},
        {"abc", {-1}, "abc"},
        {"", {-1}, ""},
        {"-3", {-1}, "-4"},
        {"2.5", {+1}, "3.5"},
        {"１２", {+1}, "13"},
        {"7px", {-1}, "6"},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(std::string(c.start));
        host::writeText("调节器", c.start);
        for (int press : c.presses) pressSpinner(press);
        EXPECT_EQ(host::readText("调节器"), c.expected);
    }
    // The spinner's own position never moves.
    HWND spinner = host::findControl("调节器")->companion;
    EXPECT_EQ(SendMessageW(spinner, UDM_GETPOS32, 0, 0), 50);
    host::writeText("调节器", "1");
}

TEST_F(MainWindowTest, ThicknessBoxIsRewrittenAsAWholeNumberWhenItLosesFocus) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", ""}, {"007", "7"}, {"2147483648", "2147483647"}, {"99999999999999999999", "2147483647"},
        {"-2147483649", "-2147483648"}, {"-", ""}, {"12-3", "12"}, {"", ""}, {"-5", "-5"},
    };
    HWND box = host::controlHandle("调节器");
    HWND other = host::controlHandle("清空");
    for (const auto& [typed, expected] : cases) {
        SCOPED_TRACE(typed);
        SetFocus(box);
        ASSERT_EQ(GetFocus(), box);
        host::writeText("调节器", typed);
        SetFocus(other);
        pumpMessages();
        EXPECT_EQ(host::readText("调节器"), expected);
    }
    // The count boxes are not rewritten.
    host::selectPage(kSplitPage);
    SetFocus(host::controlHandle("横数量"));
    host::writeText("横数量", "07");
    SetFocus(host::controlHandle("竖数量"));
    EXPECT_EQ(host::readText("横数量"), "07");
    host::writeText("横数量", "1");
    host::writeText("调节器", "1");
}

void typeCharacters(HWND edit, std::wstring_view characters) {
    for (wchar_t c : characters) SendMessageW(edit, WM_CHAR, c, 1);
}

TEST_F(MainWindowTest, IntegerBoxesTakeDigitsAndMinusOnly) {
    host::selectPage(kSplitPage);
    for (const char* name : {"横数量", "竖数量", "调节器"}) {
        SCOPED_TRACE(name);
        HWND box = host::controlHandle(name);
        host::writeText(name, "");
        typeCharacters(box, L"a-b.x１");
        EXPECT_EQ(host::readText(name), "-");
        typeCharacters(box, L"\b4");
        EXPECT_EQ(host::readText(name), "4");
        host::writeText(name, "1");
    }
    // The count boxes hold at most two characters.
    HWND across = host::controlHandle("横数量");
    host::writeText("横数量", "");
    typeCharacters(across, L"123");
    EXPECT_EQ(host::readText("横数量"), "12");
    host::writeText("横数量", "1");
}

void putOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(MainWindowTest, IntegerBoxesRefusePastedTextWithOtherCharacters) {
    host::selectPage(kSplitPage);
    HWND box = host::controlHandle("竖数量");
    putOnClipboard(window, L"a1");
    host::writeText("竖数量", "");
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_EQ(host::readText("竖数量"), "");
    putOnClipboard(window, L"-7");
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_EQ(host::readText("竖数量"), "-7");
    putOnClipboard(window, L"345");
    host::writeText("竖数量", "");
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_LE(host::readText("竖数量").size(), 2u);
    host::writeText("竖数量", "1");
}

// The colour the picture box shows at a point of its own.
COLORREF shownColour(HWND box, int x, int y) {
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(box, dc);
    return colour;
}

bool closeTo(COLORREF colour, std::uint32_t argb) {
    return testing::colourDistance(0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour),
                                   argb) <= 8;
}

TEST_F(MainWindowTest, PictureBoxShrinksALargePictureKeepingItsProportions) {
    constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;
    const ByteArray large =
        testing::encodePicture(testing::quadrantPicture(2000, 1000, kRed, kGreen, kBlue, kYellow), kPngFormatText);
    host::writePicture("图片框存", large);
    const auto drawn = host::pictureDrawnRectangle("图片框存");
    ASSERT_TRUE(drawn.has_value());
    EXPECT_EQ(drawn->x, 0);
    EXPECT_EQ(drawn->y, 10);
    EXPECT_EQ(drawn->width, 728);
    EXPECT_EQ(drawn->height, 364);
    HWND box = host::controlHandle("图片框存");
    EXPECT_TRUE(closeTo(shownColour(box, 182, 100), kRed));
    EXPECT_TRUE(closeTo(shownColour(box, 546, 100), kGreen));
    EXPECT_TRUE(closeTo(shownColour(box, 182, 280), kBlue));
    EXPECT_TRUE(closeTo(shownColour(box, 546, 280), kYellow));
    // Above and below the picture: the box's own background.
    EXPECT_EQ(shownColour(box, 364, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shownColour(box, 364, 378), GetSysColor(COLOR_BTNFACE));

    host::writePicture("图片框存", {});
    EXPECT_FALSE(host::pictureDrawnRectangle("图片框存").has_value());
    EXPECT_EQ(shownColour(box, 182, 100), GetSysColor(COLOR_BTNFACE));
}

TEST_F(MainWindowTest, PictureBoxShowsASmallPictureAtNaturalSizeInTheMiddle) {
    const ByteArray small = testing::encodePicture(testing::solidPicture(100, 50, 0xFF123456), kPngFormatText);
    host::writePicture("图片框存", small);
    const auto drawn = host::pictureDrawnRectangle("图片框存");
    ASSERT_TRUE(drawn.has_value());
    EXPECT_EQ(drawn->x, 314);
    EXPECT_EQ(drawn->y, 167);
    EXPECT_EQ(drawn->width, 100);
    EXPECT_EQ(drawn->height, 50);
    HWND box = host::controlHandle("图片框存");
    EXPECT_TRUE(closeTo(shownColour(box, 314, 167), 0xFF123456));
    EXPECT_TRUE(closeTo(shownColour(box, 413, 216), 0xFF123456));
    EXPECT_EQ(shownColour(box, 312, 167), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shownColour(box, 415, 216), GetSysColor(COLOR_BTNFACE));
    // Bytes that are no picture show nothing.
    host::writePicture("图片框存", ByteArray{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    EXPECT_FALSE(host::pictureDrawnRectangle("图片框存").has_value());
}

TEST_F(MainWindowTest, UnknownNamesAreHarmless) {
    EXPECT_EQ(host::controlHandle("没有"), nullptr);
    EXPECT_EQ(host::readText("没有"), "");
    host::writeText("没有", "x");
    host::writePicture("没有", {});
    EXPECT_EQ(host::readTickState("没有"), 0);
}

}  // namespace
}  // namespace pixmora
