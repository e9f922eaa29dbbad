#include "host/colour_picker.h"

#include <commdlg.h>

#include "host/control_class.h"
#include "host/control_registry.h"

namespace pixmora::host {
namespace {

constexpr UINT kSetColour = WM_USER + 1;
constexpr UINT kGetColour = WM_USER + 2;

ColourDialogHook& hook() {
    static ColourDialogHook instance;
    return instance;
}

std::optional<COLORREF> chooseColour(HWND owner, COLORREF current) {
    if (hook()) return hook()(owner, current);
    static COLORREF customColours[16] = {};
    for (COLORREF& colour : customColours)
        if (colour == 0) colour = RGB(255, 255, 255);
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = current;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorW(&dialog)) return std::nullopt;
    return dialog.rgbResult;
}

void pickColour(HWND picker) {
    HWND owner = GetAncestor(picker, GA_ROOT);
    if (auto chosen = chooseColour(owner, colourPickerColour(picker))) setColourPickerColour(picker, *chosen);
}

void paint(HWND picker) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picker, &paint);
    RECT client;
    GetClientRect(picker, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT swatch = client;
    DrawEdge(dc, &swatch, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    InflateRect(&swatch, -2, -2);
    HBRUSH brush = CreateSolidBrush(colourPickerColour(picker));
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_3DSHADOW));
    if (GetFocus() == picker) {
        RECT focus = client;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
    EndPaint(picker, &paint);
}

LRESULT CALLBACK pickerProcedure(HWND picker, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kSetColour:
        SetWindowLongPtrW(picker, GWLP_USERDATA, static_cast<LONG_PTR>(wParam & 0xFFFFFF));
        InvalidateRect(picker, nullptr, FALSE);
        return 0;
    case kGetColour:
        return static_cast<LRESULT>(GetWindowLongPtrW(picker, GWLP_USERDATA) & 0xFFFFFF);
    case WM_PAINT:
        paint(picker);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(picker);
        return 0;
    case WM_LBUTTONUP: {
        RECT client;
        GetClientRect(picker, &client);
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&client, point)) pickColour(picker);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_CHAR:
        if (wParam == L' ') pickColour(picker);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(picker, nullptr, FALSE);
        return 0;
    }
    return DefWindowProcW(picker, message, wParam, lParam);
}

}  // namespace

void registerColourPickerClass() { registerControlClass(kColourPickerClass, pickerProcedure, IDC_HAND); }

HWND createColourPicker(HWND parent, int id, const RECT& place, COLORREF colour) {
    HWND picker = createChildControl(kColourPickerClass, WS_VISIBLE | WS_TABSTOP | WS_GROUP, parent, id, place);
    if (picker) setColourPickerColour(picker, colour);
    return picker;
}

COLORREF colourPickerColour(HWND picker) {
    return picker ? static_cast<COLORREF>(SendMessageW(picker, kGetColour, 0, 0)) : RGB(0, 0, 0);
}

void setColourPickerColour(HWND picker, COLORREF colour) {
    if (picker) SendMessageW(picker, kSetColour, colour, 0);
}

COLORREF readColour(std::string_view name) { return colourPickerColour(controlHandle(name)); }
void writeColour(std::string_view name, COLORREF colour) { setColourPickerColour(controlHandle(name), colour); }

void setColourDialogHook(ColourDialogHook newHook) { hook() = std::move(newHook); }

}  // namespace pixmora::host
