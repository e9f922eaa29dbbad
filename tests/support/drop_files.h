#pragma once
// Drops made the way the shell makes them: a DROPFILES block in movable
// global memory with UTF-16 names, handed over with WM_DROPFILES.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace pixmora::testing {

inline HDROP makeDrop(const std::vector<std::wstring>& names, POINT point = {0, 0}) {
    size_t characters = 1;
    for (const auto& name : names) characters += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = point;
    header->fNC = FALSE;
    header->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
    for (const auto& name : names) {
        name.copy(text, name.size());
        text += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Sends the drop to the window, which finishes (and frees) it.
inline LRESULT dropFiles(HWND window, const std::vector<std::wstring>& names) {
    return SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(names)), 0);
}

}  // namespace pixmora::testing
