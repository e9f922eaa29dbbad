#include "host/control_class.h"

namespace pixmora::host {

void registerControlClass(const wchar_t* className, WNDPROC procedure, const wchar_t* cursor) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, cursor);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

HWND createChildControl(const wchar_t* className, DWORD style, HWND parent, int id, const RECT& place) {
    return CreateWindowExW(0, className, L"", WS_CHILD | style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace pixmora::host
