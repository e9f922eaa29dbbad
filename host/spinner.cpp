#include "host/spinner.h"

namespace pixmora::host {

HWND createSpinner(HWND parent, HWND buddy, const RECT& place, int minimum, int maximum) {
    const int height = place.bottom - place.top;
    const int width = place.right - place.left;
    const int spinnerWidth = width > kSpinnerWidth ? kSpinnerWidth : width / 2;
    SetWindowPos(buddy, nullptr, place.left, place.top, width - spinnerWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND spinner = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, place.right - spinnerWidth,
                                   place.top, spinnerWidth, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!spinner) return nullptr;
    // The buddy only lends the arrow keys; without UDS_SETBUDDYINT the
    // spinner never writes its text.
    SendMessageW(spinner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SetWindowPos(spinner, nullptr, place.right - spinnerWidth, place.top, spinnerWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(spinner, UDM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
    // The position is never changed: kept in the middle, neither arrow is
    // ever at a limit, so every press is reported.
    SendMessageW(spinner, UDM_SETPOS32, 0, static_cast<LPARAM>(minimum + (maximum - minimum) / 2));
    return spinner;
}

int spinnerPressDirection(const NMUPDOWN& notice) {
    if (notice.iDelta > 0) return 1;
    if (notice.iDelta < 0) return -1;
    return 0;
}

}  // namespace pixmora::host
