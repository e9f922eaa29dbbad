#include "intake/drop_routing.h"

#include <optional>

#include "host/control_registry.h"
#include "host/control_text.h"
#include "host/picture_box.h"
#include "host/whole_file.h"
#include "host/window_under_mouse.h"
#include "imaging/text_conversion.h"
#include "intake/file_naming.h"
#include "shell/app_globals.h"

namespace pixmora {
namespace {

struct Slot {
    const char* pictureBox;
    std::optional<std::string>* path;
    const char* label;
};

// In the order the slots are tried.
const Slot kSlots[] = {
    {"图片框1", &slotPath1, "地框1"},
    {"图片框2", &slotPath2, "地框2"},
    {"图片框3", &slotPath3, "地框3"},
    {"图片框4", &slotPath4, "地框4"},
    {"图片框5", &splitSourcePath, "地框5"},
};

}  // namespace

INT_PTR CALLBACK onFileDropped(const void* name) {
    const std::string path = name ? wideToText(static_cast<const wchar_t*>(name)) : std::string();
    routeDroppedFile(path);
    return 0;
}

void routeDroppedFile(const std::string& path) {
    for (const Slot& slot : kSlots) {
        HWND box = host::controlHandle(slot.pictureBox);
        if (!box || host::windowUnderMouse() != box) continue;
        *slot.path = path;
        host::writeText(slot.label, fileTitleOf(path));
        host::writePicture(slot.pictureBox, host::readWholeFile(path));
        return;
    }
}

}  // namespace pixmora
