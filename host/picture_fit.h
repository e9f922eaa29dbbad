#pragma once
// Where a picture box draws its picture.
#include "imaging/toolkit_types.h"

namespace pixmora::host {

// The picture centred in the box at its natural size; when it is wider or
// taller than the box, shrunk with its proportions kept by
// min(box width / picture width, box height / picture height) and centred.
// Never enlarged. An empty picture or box gives an empty rectangle.
RectI fitPictureInBox(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight);

}  // namespace pixmora::host
