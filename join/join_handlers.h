#pragma once
// The join tab's handlers: they read the slots and the settings from the main
// window's controls afresh each time, compose, and write the results back.
#include "join/picture_saving.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

// Sets joinCount: the slots whose label differs from its default text.
void countFilledSlots();

// The joined picture for the preview, in slot 1's format; empty when there is
// none.
ByteArray renderJoinPreview();
// The same composition, also written to the path in 保存框 when one was chosen.
ExportResult exportJoinPicture();

// 地框1 to 地框4 changed, and 重新生成 clicked: recount and show the preview.
void refreshJoinPreview();
// 清空 clicked: forget the four slots and show them empty.
void clearJoinSlots();
// 保存位 clicked: choose a folder and put a fresh output path into 保存框.
void chooseJoinOutput();
// 保存 clicked: compose, write the file, show it, and say what happened.
void saveJoinPicture();

}  // namespace pixmora
