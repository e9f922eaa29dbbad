#include "join/composed_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace pixmora {

std::string composeProblemText(ComposeProblem problem) {
    switch (problem) {
        case ComposeProblem::none: return {};
        case ComposeProblem::noFirstSlotPicture: return "第1个图框中没有可以读取的图片";
        case ComposeProblem::noSplitSource: return "没有可以读取的源图片";
        case ComposeProblem::noEncoder: return "源图片的格式无法保存，请换用JPG、PNG或BMP等格式的图片";
        case ComposeProblem::emptyCanvas: return "没有可以生成的图片内容";
        case ComposeProblem::canvasFailed: return "图片太大，内存不足，无法生成";
        case ComposeProblem::encodingFailed: return "图片编码失败";
    }
    return {};
}

namespace composing {

bool loadPicture(ImageObject& image, const std::optional<std::string>& path) {
    return path && image.loadImageFromFile(*path);
}

std::int32_t wholePixels(float size) {
    if (!(size > 0)) return 0;
    return static_cast<std::int32_t>(std::min<double>(std::trunc(size), std::numeric_limits<std::int32_t>::max()));
}

ComposedPicture failed(ComposeProblem problem, std::string format) {
    ComposedPicture picture;
    picture.problem = problem;
    picture.format = std::move(format);
    return picture;
}

ComposeProblem createCanvas(BitmapObject& canvas, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return ComposeProblem::emptyCanvas;
    return canvas.createBitmapFromScan0(width, height, kPixelFormat32bppRGB) ? ComposeProblem::none
                                                                              : ComposeProblem::canvasFailed;
}

ComposedPicture encodeCanvas(BitmapObject& canvas, const std::string& format, std::int32_t width,
                             std::int32_t height) {
    ComposedPicture picture;
    picture.format = format;
    picture.width = width;
    picture.height = height;
    picture.bytes = canvas.saveImageToStream(format);
    if (picture.bytes.empty()) picture.problem = ComposeProblem::encodingFailed;
    return picture;
}

}  // namespace composing
}  // namespace pixmora
