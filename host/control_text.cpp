#include "host/control_text.h"

#include <algorithm>
#include <vector>

#include "host/control_events.h"
#include "host/control_registry.h"
#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

std::vector<HWND>& controlsBeingWritten() {
    static std::vector<HWND> list;
    return list;
}

}  // namespace

std::string windowText(HWND window) {
    if (!window) return {};
    const int length = GetWindowTextLengthW(window);
    std::wstring buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<size_t>(std::max(copied, 0)));
    return wideToText(std::wstring_view(buffer));
}

std::string readText(std::string_view name) { return windowText(controlHandle(name)); }

void writeText(std::string_view name, std::string_view text) {
    const RegisteredControl* control = findControl(name);
    if (!control) return;
    const std::string controlName = control->name;  // the registry may change inside the handler
    HWND handle = control->handle;
    auto& writing = controlsBeingWritten();
    writing.push_back(handle);
    SetWindowTextW(handle, toWideText(text).c_str());
    writing.erase(std::find(writing.begin(), writing.end(), handle));
    raiseTextChanged(controlName);
}

bool isBeingWritten(HWND control) {
    const auto& writing = controlsBeingWritten();
    return std::find(writing.begin(), writing.end(), control) != writing.end();
}

}  // namespace pixmora::host
