#include "host/main_window.h"

#include <commctrl.h>

#include "host/colour_picker.h"
#include "host/control_events.h"
#include "host/control_fonts.h"
#include "host/control_registry.h"
#include "host/control_text.h"
#include "host/host_setup.h"
#include "host/integer_box.h"
#include "host/picture_box.h"
#include "host/spinner.h"
#include "host/toggle_button.h"
#include "host/transparent_label.h"
#include "host/whole_number_text.h"
#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

constexpr int kFirstControlId = 1000;
int shownPage = 0;

HWND tabControl() {
    for (const auto& control : registeredControls())
        if (control.description.kind == ControlKind::TabControl) return control.handle;
    return nullptr;
}

void showPage(int page) {
    shownPage = page;
    HWND focus = GetFocus();
    bool focusHidden = false;
    for (const auto& control : registeredControls()) {
        if (control.description.page == kAllPages) continue;
        const bool visible = control.description.page == page;
        for (HWND window : {control.handle, control.companion}) {
            if (!window) continue;
            if (!visible && window == focus) focusHidden = true;
            ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
        }
    }
    if (focusHidden) SetFocus(tabControl());
}

DWORD editStyle(const ControlDescription& control) {
    DWORD style = ES_LEFT;
    if (control.multiLine)
        style |= ES_MULTILINE | ES_AUTOVSCROLL;
    else
        style |= ES_AUTOHSCROLL;
    if (control.readOnly) style |= ES_READONLY;
    if (control.disabled)
        style |= WS_DISABLED;
    else
        style |= WS_TABSTOP;
    return style;
}

HWND createControl(HWND window, const ControlDescription& control, int id, bool groupStart, HWND& companion) {
    const RECT place{control.left, control.top, control.left + control.width, control.top + control.height};
    const std::wstring text = toWideText(control.text);
    const HFONT font = control.boldFont ? boldCaptionFont() : defaultControlFont();
    const DWORD common = WS_CHILD | (control.page == kAllPages || control.page == 0 ? WS_VISIBLE : 0) |
                         (groupStart ? WS_GROUP : 0);
    auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto standard = [&](DWORD exStyle, const wchar_t* className, DWORD style) {
        return CreateWindowExW(exStyle, className, text.c_str(), common | style, control.left, control.top,
                               control.width, control.height, window, menu, instance, nullptr);
    };
    HWND handle = nullptr;
    switch (control.kind) {
    case ControlKind::TabControl:
        handle = standard(0, WC_TABCONTROLW, WS_CLIPSIBLINGS);
        for (size_t i = 0; i < control.pageCaptions.size(); ++i) {
            std::wstring caption = toWideText(control.pageCaptions[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageW(handle, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        break;
    case ControlKind::TransparentLabel:
        // One line each: a caption never wraps into a second line the label cannot show.
        // Clipped by its siblings: a label that overlaps a box never paints over its border.
        handle = standard(0, WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_CLIPSIBLINGS);
        break;
    case ControlKind::EditBox:
    case ControlKind::SpinnerEditBox:
        handle = standard(WS_EX_CLIENTEDGE, WC_EDITW, editStyle(control));
        break;
    case ControlKind::ColourPicker:
        handle = createColourPicker(window, id, place, control.colour);
        break;
    case ControlKind::ToggleCheckBox:
        handle = createToggleButton(window, id, place, text, control.ticked, control.textColour, font);
        break;
    case ControlKind::PictureBox:
        handle = createPictureBox(window, id, place);
        break;
    case ControlKind::Button:
        handle = standard(0, WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP);
        break;
    case ControlKind::RadioButton:
        handle = standard(0, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP);
        break;
    }
    if (!handle) return nullptr;
    if (control.page != kAllPages && control.page != 0) ShowWindow(handle, SW_HIDE);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.kind == ControlKind::EditBox || control.kind == ControlKind::SpinnerEditBox) {
        if (control.maxLength > 0) SendMessageW(handle, EM_SETLIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
        if (control.integerOnly) makeIntegerBox(handle);
    }
    if (control.kind == ControlKind::SpinnerEditBox)
        companion = createSpinner(window, handle, place, control.spinnerMinimum, control.spinnerMaximum);
    if (control.kind == ControlKind::RadioButton && control.ticked) SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
    return handle;
}

void onCommand(WPARAM wParam, LPARAM lParam) {
    const RegisteredControl* control = findControl(reinterpret_cast<HWND>(lParam));
    if (!control) return;
    const std::string name = control->name;  // handlers may rebuild the registry
    switch (HIWORD(wParam)) {
    case BN_CLICKED:
    case BN_DOUBLECLICKED:
        if (control->description.kind == ControlKind::ToggleCheckBox) flipToggle(control->handle);
        if (HIWORD(wParam) == BN_CLICKED || control->description.kind == ControlKind::ToggleCheckBox)
            raiseClicked(name);
        break;
    case EN_CHANGE:
        // A write from the program raises the handler itself, once.
        if (!isBeingWritten(control->handle)) raiseTextChanged(name);
        break;
    case EN_KILLFOCUS:
        if (control->description.rewriteAsWholeNumber) writeText(name, wholeNumberBoxText(readText(name)));
        break;
    }
}

LRESULT onNotify(const NMHDR& header) {
    const RegisteredControl* control = findControl(header.hwndFrom);
    if (!control) return 0;
    if (header.code == TCN_SELCHANGE && control->description.kind == ControlKind::TabControl) {
        showPage(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    if (header.code == UDN_DELTAPOS && header.hwndFrom == control->companion) {
        const int direction = spinnerPressDirection(reinterpret_cast<const NMUPDOWN&>(header));
        const std::string name = control->name;
        if (direction != 0) raiseSpinnerPressed(name, direction);
        return 1;  // the spinner keeps its position
    }
    return 0;
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) onCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (isToggleButton(item.hwndItem)) {
            drawToggleButton(item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        auto label = reinterpret_cast<HWND>(lParam);
        const RegisteredControl* control = findControl(label);
        // Labels and radio buttons show the tab page or window beneath them.
        if (control && (control->description.kind == ControlKind::TransparentLabel ||
                        control->description.kind == ControlKind::RadioButton))
            return reinterpret_cast<LRESULT>(paintTransparentLabelBackground(label, reinterpret_cast<HDC>(wParam)));
        break;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (mainWindowHandle() == window) clearControlRegistry();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerMainWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

POINT centredWindowPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

HWND createMainWindow(const WindowDescription& description) {
    initialiseHost();
    registerMainWindowClass();
    clearControlRegistry();
    shownPage = 0;
    const POINT position = centredWindowPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                                 description.width, description.height);
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kMainWindowClass, toWideText(description.title).c_str(),
                                  kMainWindowStyle, position.x, position.y, description.width, description.height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    registerMainWindow(window);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(defaultControlFont()), FALSE);
    int id = kFirstControlId;
    ControlKind previousKind = ControlKind::TabControl;
    for (const ControlDescription& control : description.controls) {
        // Consecutive radio buttons form one group: choosing one clears the others.
        const bool groupStart = !(control.kind == ControlKind::RadioButton && previousKind == ControlKind::RadioButton);
        HWND companion = nullptr;
        if (HWND handle = createControl(window, control, id++, groupStart, companion))
            registerControl(handle, control, companion);
        previousKind = control.kind;
    }
    // Every control lies over the tab control, which is drawn beneath them;
    // the labels lie right above it, beneath the boxes they touch.
    for (const auto& control : registeredControls())
        if (control.description.kind == ControlKind::TransparentLabel)
            SetWindowPos(control.handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (HWND tabs = tabControl()) SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    raiseCreated();
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

void selectPage(int page) {
    if (HWND tabs = tabControl()) SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    showPage(page);
}

int currentPage() { return shownPage; }

}  // namespace pixmora::host
