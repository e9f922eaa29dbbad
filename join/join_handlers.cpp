#include "join/join_handlers.h"

#include <string>

#include "host/control_access.h"
#include "join/join_composition.h"
#include "join/output_naming.h"
#include "join/save_flow.h"
#include "join/save_messages.h"
#include "shell/app_globals.h"

namespace pixmora {
namespace {

constexpr const char* kSlotLabels[] = {"地框1", "地框2", "地框3", "地框4"};
constexpr const char* kSlotDefaults[] = {"图片1", "图片2", "图片3", "图片4"};
constexpr const char* kSlotPictures[] = {"图片框1", "图片框2", "图片框3", "图片框4"};
constexpr const char* kPreview = "图片框存";
constexpr const char* kOutputBox = "保存框";

JoinSettings readJoinSettings() {
    JoinSettings settings;
    settings.slotPaths = {slotPath1, slotPath2, slotPath3, slotPath4};
    settings.count = joinCount;
    settings.stacked = host::readTickState("竖拼") == 1;
    settings.thickness = host::textToNumber(host::readText("调节器"));
    settings.barColour = host::readColour("颜色选择");
    settings.border = host::readTickState("生成边线") == 1;
    return settings;
}

}  // namespace

void countFilledSlots() {
    std::int32_t count = 0;
    for (int slot = 0; slot < 4; ++slot)
        if (host::readText(kSlotLabels[slot]) != kSlotDefaults[slot]) ++count;
    joinCount = count;
}

ByteArray renderJoinPreview() { return composeJoin(readJoinSettings()).bytes; }

ExportResult exportJoinPicture() {
    const JoinSettings settings = readJoinSettings();
    const std::string path = host::readText(kOutputBox);
    if (path == kNoSavePathYet) return {composeJoin(settings), {}};
    return exportJoin(settings, path);
}

void refreshJoinPreview() {
    countFilledSlots();
    host::writePicture(kPreview, renderJoinPreview());
}

void clearJoinSlots() {
    // The paths go first, so that the refreshes the label writes raise never
    // bring a cleared picture back.
    for (auto* path : {&slotPath1, &slotPath2, &slotPath3, &slotPath4}) path->reset();
    for (int slot = 0; slot < 4; ++slot) host::writeText(kSlotLabels[slot], kSlotDefaults[slot]);
    for (const char* picture : kSlotPictures) host::writePicture(picture, {});
}

void chooseJoinOutput() { chooseOutputInto(kOutputBox, kJoinOutputPrefix); }

void saveJoinPicture() { savePictureWith(kOutputBox, kPreview, exportJoinPicture); }

}  // namespace pixmora
