#pragma once
// What the two tabs' "选择保存位置" and "保存" buttons share.
#include <string_view>

#include "join/picture_saving.h"

namespace pixmora {

// Asks for a folder and writes a fresh output path with the prefix into the box.
void chooseOutputInto(const char* outputBox, std::string_view prefix);

// Refuses a path that was not chosen; otherwise composes and writes the file
// (exportPicture), shows the picture in the preview box and says what happened.
void savePictureWith(const char* outputBox, const char* previewBox, ExportResult (*exportPicture)());

}  // namespace pixmora
