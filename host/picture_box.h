#pragma once
// Picture boxes: each shows the picture whose encoded file bytes were last
// written into it, centred, shrunk to fit when larger than the box and never
// enlarged. Bytes that are not a picture, and empty bytes, leave it empty.
#include <windows.h>

#include <optional>
#include <string_view>

#include "imaging/toolkit_types.h"

namespace pixmora::host {

inline constexpr wchar_t kPictureBoxClass[] = L"PixmoraPictureBox";

void registerPictureBoxClass();
HWND createPictureBox(HWND parent, int id, const RECT& place);

// Decodes the bytes through the imaging toolkit and shows them.
void setPictureBoxPicture(HWND box, const ByteArray& bytes);
// Writes a picture into the named picture box; an empty ByteArray clears it.
void writePicture(std::string_view controlName, const ByteArray& bytes);

// Where the box draws its picture, in its own coordinates; nothing when it
// shows none.
std::optional<RectI> pictureBoxDrawnRectangle(HWND box);
std::optional<RectI> pictureDrawnRectangle(std::string_view controlName);

}  // namespace pixmora::host
