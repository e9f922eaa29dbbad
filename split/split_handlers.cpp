#include "split/split_handlers.h"

#include <string>

#include "host/control_access.h"
#include "join/output_naming.h"
#include "join/save_flow.h"
#include "join/save_messages.h"
#include "shell/app_globals.h"
#include "split/split_composition.h"

namespace pixmora {
namespace {

constexpr const char* kSourceLabel = "地框5";
constexpr const char* kSourceLabelDefault = "图片拖入";
constexpr const char* kSourcePicture = "图片框5";
constexpr const char* kPreview = "图片框存1";
constexpr const char* kOutputBox = "保存框1";

SplitSettings readSplitSettings() {
    SplitSettings settings;
    settings.sourcePath = splitSourcePath;
    settings.rows = host::textToNumber(host::readText("横数量"));
    settings.columns = host::textToNumber(host::readText("竖数量"));
    settings.thickness = host::textToNumber(host::readText("调节器"));
    settings.lineColour = host::readColour("颜色选择");
    settings.border = host::readTickState("生成边线") == 1;
    return settings;
}

}  // namespace

ByteArray renderSplitPreview() { return composeSplit(readSplitSettings()).bytes; }

ExportResult exportSplitPicture() {
    const SplitSettings settings = readSplitSettings();
    const std::string path = host::readText(kOutputBox);
    if (path == kNoSavePathYet) return {composeSplit(settings), {}};
    return exportSplit(settings, path);
}

void showSplitPreview() { host::writePicture(kPreview, renderSplitPreview()); }

void clearSplitSource() {
    // The path goes first, so that the preview the label write raises never
    // brings the cleared picture back.
    splitSourcePath.reset();
    host::writeText(kSourceLabel, kSourceLabelDefault);
    host::writePicture(kSourcePicture, {});
}

void chooseSplitOutput() { chooseOutputInto(kOutputBox, kSplitOutputPrefix); }

void saveSplitPicture() { savePictureWith(kOutputBox, kPreview, exportSplitPicture); }

}  // namespace pixmora
