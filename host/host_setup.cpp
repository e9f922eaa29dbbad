#include "host/host_setup.h"

#include <windows.h>
#include <commctrl.h>

#include "host/colour_picker.h"
#include "host/picture_box.h"

namespace pixmora::host {

void initialiseHost() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS;
    InitCommonControlsEx(&controls);
    registerPictureBoxClass();
    registerColourPickerClass();
}

}  // namespace pixmora::host
