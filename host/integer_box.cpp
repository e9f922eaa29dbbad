#include "host/integer_box.h"

#include <commctrl.h>

#include <string>

namespace pixmora::host {
namespace {

constexpr UINT_PTR kSubclassId = 0x696E74;

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = characters;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK integerBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_CHAR:
        if (!isIntegerBoxCharacter(static_cast<wchar_t>(wParam))) {
            MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_PASTE:
        if (!isIntegerBoxText(clipboardText(edit))) {
            MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, integerBoxProcedure, kSubclassId);
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool isIntegerBoxCharacter(wchar_t character) {
    return (character >= L'0' && character <= L'9') || character == L'-' || character < 0x20 || character == 0x7F;
}

bool isIntegerBoxText(std::wstring_view text) {
    for (wchar_t character : text)
        if (!((character >= L'0' && character <= L'9') || character == L'-')) return false;
    return true;
}

void makeIntegerBox(HWND edit) { SetWindowSubclass(edit, integerBoxProcedure, kSubclassId, 0); }

}  // namespace pixmora::host
