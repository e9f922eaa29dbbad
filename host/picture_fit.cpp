#include "host/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace pixmora::host {

RectI fitPictureInBox(int boxWidth, int boxHeight, int pictureWidth, int pictureHeight) {
    if (boxWidth <= 0 || boxHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
    int width = pictureWidth;
    int height = pictureHeight;
    if (pictureWidth > boxWidth || pictureHeight > boxHeight) {
        const double factor = std::min(static_cast<double>(boxWidth) / pictureWidth,
                                       static_cast<double>(boxHeight) / pictureHeight);
        width = std::clamp(static_cast<int>(std::lround(pictureWidth * factor)), 1, boxWidth);
        height = std::clamp(static_cast<int>(std::lround(pictureHeight * factor)), 1, boxHeight);
    }
    return {(boxWidth - width) / 2, (boxHeight - height) / 2, width, height};
}

}  // namespace pixmora::host
