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
#include "join/join_handlers.h"
#include "shell/thickness_spinner.h"
#include "split/split_handlers.h"

namespace pixmora {

void attachMainWindowEvents() {
    host::detachAllEvents();

    // The window and the shared settings.
    host::attachCreated(onMainWindowCreated);
    host::attachSpinnerPressed("调节器", stepDividerThickness);

    // Join tab.
    for (const char* label : {"地框1", "地框2", "地框3", "地框4"}) host::attachTextChanged(label, refreshJoinPreview);
    host::attachClicked("清空", clearJoinSlots);
    host::attachClicked("重新生成", refreshJoinPreview);
    host::attachClicked("保存位", chooseJoinOutput);
    host::attachClicked("保存", saveJoinPicture);

    // Split tab.
    host::attachTextChanged("地框5", showSplitPreview);
    host::attachClicked("清空1", clearSplitSource);
    host::attachClicked("重新生成1", showSplitPreview);
    host::attachClicked("保存位1", chooseSplitOutput);
    host::attachClicked("保存1", saveSplitPicture);
}

}  // namespace pixmora
