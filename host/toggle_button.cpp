#include "host/toggle_button.h"

#include <commctrl.h>

#include <algorithm>

namespace pixmora::host {
namespace {

constexpr wchar_t kTickedProperty[] = L"PixmoraToggleTicked";
constexpr wchar_t kColourProperty[] = L"PixmoraToggleColour";
constexpr UINT_PTR kSubclassId = 0x70676C;

LRESULT CALLBACK toggleProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case BM_GETCHECK:
        return GetPropW(window, kTickedProperty) ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        if (wParam == BST_CHECKED)
            SetPropW(window, kTickedProperty, reinterpret_cast<HANDLE>(1));
        else
            RemovePropW(window, kTickedProperty);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_NCDESTROY:
        RemovePropW(window, kTickedProperty);
        RemovePropW(window, kColourProperty);
        RemoveWindowSubclass(window, toggleProcedure, kSubclassId);
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

HWND createToggleButton(HWND parent, int id, const RECT& place, const std::wstring& caption, bool ticked,
                        COLORREF captionColour, HFONT font) {
    HWND toggle = CreateWindowExW(0, WC_BUTTONW, caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, place.left, place.top,
                                  place.right - place.left, place.bottom - place.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!toggle) return nullptr;
    SetPropW(toggle, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(captionColour) + 1));
    SetWindowSubclass(toggle, toggleProcedure, kSubclassId, 0);
    SendMessageW(toggle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(toggle, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    return toggle;
}

bool isToggleButton(HWND window) { return window && GetPropW(window, kColourProperty) != nullptr; }

void flipToggle(HWND toggle) {
    const bool ticked = SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(toggle, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
}

std::vector<std::wstring> breakCaptionLines(HDC deviceContext, const std::wstring& caption, int width) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < caption.size()) {
        // The longest run from `start` that fits, at least one character.
        int fit = 0;
        SIZE size;
        GetTextExtentExPointW(deviceContext, caption.c_str() + start, static_cast<int>(caption.size() - start),
                              std::max(width, 1), &fit, nullptr, &size);
        size_t count = std::max<size_t>(static_cast<size_t>(std::max(fit, 0)), 1);
        if (start + count < caption.size()) {
            // Prefer to break after a space when the line has one.
            const size_t space = caption.rfind(L' ', start + count);
            if (space != std::wstring::npos && space > start) count = space - start + 1;
        }
        std::wstring line = caption.substr(start, count);
        while (!line.empty() && line.back() == L' ') line.pop_back();
        lines.push_back(line);
        start += count;
    }
    return lines;
}

void drawToggleButton(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT frame = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) || SendMessageW(item.hwndItem, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool disabled = item.itemState & ODS_DISABLED;
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    RECT text = frame;
    InflateRect(&text, -3, -3);
    if (pressed) OffsetRect(&text, 1, 1);  // the caption sinks with the button
    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(item.hwndItem, caption.data(), length + 1)));

    auto colour = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(item.hwndItem, kColourProperty)) - 1);
    HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : colour);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    int top = text.top;
    for (const std::wstring& line : breakCaptionLines(dc, caption, text.right - text.left)) {
        RECT lineRectangle{text.left, top, text.right, top + metrics.tmHeight};
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &lineRectangle,
                  DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        top += metrics.tmHeight;
    }
    SelectObject(dc, previousFont);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = frame;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace pixmora::host
