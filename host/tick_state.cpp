#include "host/tick_state.h"

#include <windows.h>

#include "host/control_registry.h"

namespace pixmora::host {

int readTickState(std::string_view name) {
    HWND control = controlHandle(name);
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void writeTickState(std::string_view name, bool ticked) {
    const RegisteredControl* control = findControl(name);
    if (!control) return;
    if (ticked && control->description.kind == ControlKind::RadioButton) {
        // Clear the other radio buttons of the group, as a click does.
        HWND parent = GetParent(control->handle);
        for (HWND other = GetNextDlgGroupItem(parent, control->handle, FALSE);
             other && other != control->handle; other = GetNextDlgGroupItem(parent, other, FALSE))
            SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageW(control->handle, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace pixmora::host
