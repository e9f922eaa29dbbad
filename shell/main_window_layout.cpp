#include "shell/main_window_layout.h"

// The table names only the settings that differ from a control's defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace pixmora {
namespace {

using host::ControlDescription;
using host::ControlKind;
using host::kAllPages;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

ControlDescription label(const char* name, int page, int left, int top, int width, int height, const char* text,
                         bool bold) {
    return {.name = name, .kind = ControlKind::TransparentLabel, .page = page, .left = left, .top = top,
            .width = width, .height = height, .text = text, .boldFont = bold};
}

// A slot's label, the output path box: the program writes them, the user cannot.
ControlDescription slotLabel(const char* name, int page, int left, const char* text) {
    return {.name = name, .kind = ControlKind::EditBox, .page = page, .left = left, .top = 30, .width = 176,
            .height = 48, .text = text, .multiLine = true, .readOnly = true, .disabled = true};
}

ControlDescription outputBox(const char* name, int page) {
    return {.name = name, .kind = ControlKind::EditBox, .page = page, .left = 9, .top = 289, .width = 600,
            .height = 24, .text = "请选择保存位置", .disabled = true};
}

ControlDescription pictureBox(const char* name, int page, int left, int top, int width, int height) {
    return {.name = name, .kind = ControlKind::PictureBox, .page = page, .left = left, .top = top, .width = width,
            .height = height};
}

ControlDescription button(const char* name, int page, int left, int top, int width, int height, const char* text) {
    return {.name = name, .kind = ControlKind::Button, .page = page, .left = left, .top = top, .width = width,
            .height = height, .text = text};
}

ControlDescription radio(const char* name, int top, bool ticked) {
    return {.name = name, .kind = ControlKind::RadioButton, .page = 0, .left = 752, .top = top, .width = 56,
            .height = 24, .text = name, .ticked = ticked, .boldFont = true};
}

ControlDescription countBox(const char* name, int top) {
    return {.name = name, .kind = ControlKind::EditBox, .page = 1, .left = 584, .top = top, .width = 48,
            .height = 24, .text = "1", .integerOnly = true, .maxLength = 2};
}

host::WindowDescription buildLayout() {
    host::WindowDescription window{.title = "Zarvo专版（Pixmora）1.0", .width = 939, .height = 749, .controls = {}};
    auto& c = window.controls;
    // Shared by both pages, right of the tab control.
    c.push_back(label("透明标签1", kAllPages, 832, 16, 100, 32, "分割线大小", true));
    c.push_back({.name = "调节器", .kind = ControlKind::SpinnerEditBox, .page = kAllPages, .left = 832, .top = 48,
                 .width = 66, .height = 32, .text = "1", .integerOnly = true, .rewriteAsWholeNumber = true,
                 .spinnerMinimum = 0, .spinnerMaximum = 100});
    c.push_back(label("透明标签4", kAllPages, 832, 80, 100, 32, "分割线颜色", true));
    c.push_back({.name = "颜色选择", .kind = ControlKind::ColourPicker, .page = kAllPages, .left = 832, .top = 112,
                 .width = 80, .height = 40, .colour = kWhite});
    c.push_back({.name = "生成边线", .kind = ControlKind::ToggleCheckBox, .page = kAllPages, .left = 832, .top = 168,
                 .width = 80, .height = 40, .text = "是否生成边线", .ticked = true, .boldFont = true,
                 .textColour = kRed});
    // Join page.
    c.push_back(slotLabel("地框1", kJoinPage, 9, "图片1"));
    c.push_back(slotLabel("地框2", kJoinPage, 193, "图片2"));
    c.push_back(slotLabel("地框3", kJoinPage, 377, "图片3"));
    c.push_back(slotLabel("地框4", kJoinPage, 561, "图片4"));
    c.push_back(label("透明标签5", kJoinPage, 10, 77, 264, 24, "请将需要处理的图片按顺序拖入下面的图框中", false));
    c.push_back(pictureBox("图片框1", kJoinPage, 9, 102, 176, 184));
    c.push_back(pictureBox("图片框2", kJoinPage, 193, 102, 176, 184));
    c.push_back(pictureBox("图片框3", kJoinPage, 377, 102, 176, 184));
    c.push_back(pictureBox("图片框4", kJoinPage, 561, 102, 176, 184));
    c.push_back(button("清空", kJoinPage, 747, 49, 65, 32, "清空"));
    c.push_back(button("重新生成", kJoinPage, 747, 86, 65, 32, "重新生成"));
    c.push_back(button("保存", kJoinPage, 747, 123, 65, 32, "保存"));
    c.push_back(radio("横拼", 168, true));
    c.push_back(radio("竖拼", 192, false));
    c.push_back(outputBox("保存框", kJoinPage));
    c.push_back(button("保存位", kJoinPage, 617, 289, 104, 24, "选择保存位置"));
    c.push_back(pictureBox("图片框存", kJoinPage, 9, 321, 728, 384));
    // Split page.
    c.push_back(slotLabel("地框5", kSplitPage, 9, "图片拖入"));
    c.push_back(label("透明标签2", kSplitPage, 488, 56, 100, 32, "横向分割数：", true));
    c.push_back(countBox("横数量", 58));
    c.push_back(label("透明标签3", kSplitPage, 489, 103, 100, 32, "竖向分割数：", true));
    c.push_back(countBox("竖数量", 105));
    c.push_back(label("透明标签6", kSplitPage, 10, 77, 264, 24, "请将需要处理的图片拖入下面的图框中", false));
    c.push_back(pictureBox("图片框5", kSplitPage, 9, 102, 176, 184));
    c.push_back(button("清空1", kSplitPage, 747, 49, 65, 32, "清空"));
    c.push_back(button("重新生成1", kSplitPage, 747, 86, 65, 32, "重新生成"));
    c.push_back(button("保存1", kSplitPage, 747, 123, 65, 32, "保存"));
    c.push_back(outputBox("保存框1", kSplitPage));
    c.push_back(button("保存位1", kSplitPage, 617, 289, 104, 24, "选择保存位置"));
    c.push_back(pictureBox("图片框存1", kSplitPage, 9, 321, 728, 384));
    // Last, so that it lies beneath every control on its pages.
    c.push_back({.name = "选择夹1", .kind = ControlKind::TabControl, .page = kAllPages, .left = 0, .top = 0,
                 .width = 824, .height = 712, .pageCaptions = {"拼图", "分图"}});
    return window;
}

}  // namespace

const host::WindowDescription& mainWindowLayout() {
    static const host::WindowDescription layout = buildLayout();
    return layout;
}

}  // namespace pixmora
