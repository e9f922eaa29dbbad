#include "host/control_registry.h"

#include <vector>

namespace pixmora::host {
namespace {

HWND mainWindow = nullptr;

std::vector<RegisteredControl>& controls() {
    static std::vector<RegisteredControl> list;
    return list;
}

}  // namespace

void clearControlRegistry() {
    mainWindow = nullptr;
    controls().clear();
}

void registerMainWindow(HWND window) { mainWindow = window; }

void registerControl(HWND handle, const ControlDescription& description, HWND companion) {
    controls().push_back({description.name, handle, description, companion});
}

HWND mainWindowHandle() { return mainWindow; }

HWND controlHandle(std::string_view name) {
    const RegisteredControl* control = findControl(name);
    return control ? control->handle : nullptr;
}

const RegisteredControl* findControl(HWND handle) {
    if (!handle) return nullptr;
    for (const auto& control : controls())
        if (control.handle == handle || control.companion == handle) return &control;
    return nullptr;
}

const RegisteredControl* findControl(std::string_view name) {
    for (const auto& control : controls())
        if (control.name == name) return &control;
    return nullptr;
}

const std::vector<RegisteredControl>& registeredControls() { return controls(); }

}  // namespace pixmora::host
