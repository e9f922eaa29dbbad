#pragma once
// The split tab's handlers: they read the source and the settings from the
// main window's controls afresh each time, draw the cut lines, and write the
// results back.
#include "imaging/toolkit_types.h"
#include "join/picture_saving.h"

namespace pixmora {

// The source with its cut lines, in the source's format; empty when there is none.
ByteArray renderSplitPreview();
// The same picture, also written to the path in 保存框1 when one was chosen.
ExportResult exportSplitPicture();

// 地框5 changed, and 重新生成1 clicked: show the preview.
void showSplitPreview();
// 清空1 clicked: forget the source and show it empty.
void clearSplitSource();
// 保存位1 clicked: choose a folder and put a fresh output path into 保存框1.
void chooseSplitOutput();
// 保存1 clicked: draw, write the file, show it, and say what happened.
void saveSplitPicture();

}  // namespace pixmora
