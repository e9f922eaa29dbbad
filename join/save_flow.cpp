#include "join/save_flow.h"

#include <string>

#include "host/control_access.h"
#include "join/output_naming.h"
#include "join/save_messages.h"

namespace pixmora {

void chooseOutputInto(const char* outputBox, std::string_view prefix) {
    const std::string folder = host::browseForFolder(host::mainWindowHandle());
    host::writeText(outputBox, chooseOutputPath(folder, prefix));
}

void savePictureWith(const char* outputBox, const char* previewBox, ExportResult (*exportPicture)()) {
    if (!isAcceptedSavePath(host::readText(outputBox))) {
        host::showMessage(kWrongSavePathMessage);
        return;
    }
    const ExportResult result = exportPicture();
    host::writePicture(previewBox, result.picture.bytes);
    host::showMessage(saveOutcomeMessage(host::readText(outputBox), result.outcome));
}

}  // namespace pixmora
