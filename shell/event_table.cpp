// The handlers of the main window, by control and event. Every event that is
// not attached here runs nothing. A handler is a plain function: void() for
// "created", "text changed" and "clicked", void(int direction) for a spinner.
//
// To attach a handler, add one line in the block of its tab, for example
//   host::attachTextChanged("地框1", refreshJoinPreview);
//   host::attachClicked("保存", saveJoinPicture);
// Events of the join tab: text changed of 地框1 to 地框4; clicked of 清空,
// 重新生成, 保存位, 保存. Of the split tab: text changed of 地框5; clicked of
// 清空1, 重新生成1, 保存位1, 保存1.
#include "shell/event_table.h"

#include "host/control_events.h"
#include "intake/window_created.h"
#include "shell/thickness_spinner.h"

namespace pixmora {

void attachMainWindowEvents() {
    host::detachAllEvents();

    // The window and the shared settings.
    host::attachCreated(onMainWindowCreated);
    host::attachSpinnerPressed("调节器", stepDividerThickness);

    // Join tab.

    // Split tab.
}

}  // namespace pixmora
