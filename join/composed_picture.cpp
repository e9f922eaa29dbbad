#include "join/composed_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "imaging/guid_text.h"

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
        case ComposeProblem::pictureUnreadable: return "图片无法读取或无法解码";
    }
    return {};
}

const char* composePhaseName(ComposePhase phase) {
    switch (phase) {
        case ComposePhase::decode: return "decode";
        case ComposePhase::draw: return "draw";
        case ComposePhase::encode: return "encode";
        case ComposePhase::write: return "write";
    }
    return "";
}

namespace composing {

PhaseClock::PhaseClock(const PhaseObserver& observer) : observer_(observer), start_(std::chrono::steady_clock::now()) {}

void PhaseClock::finished(ComposePhase phase) {
    if (!observer_) return;
    const auto now = std::chrono::steady_clock::now();
    observer_(phase, std::chrono::duration<double>(now - start_).count());
    start_ = now;
}

ComposedPicture unreadable(int picture, std::string format) {
    ComposedPicture result = failed(ComposeProblem::pictureUnreadable, std::move(format));
    result.unreadablePicture = picture;
    return result;
}

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

bool holdsPictureOfSize(const ByteArray& bytes, std::int32_t width, std::int32_t height) {
    ImageObject image;
    if (!image.loadImageFromStream(bytes)) return false;
    const SizeF size = image.getImageDimension();
    return wholePixels(size.width) == width && wholePixels(size.height) == height;
}

ComposedPicture encodeCanvas(BitmapObject& canvas, const std::string& format, std::int32_t width,
                             std::int32_t height) {
    ComposedPicture picture;
    picture.format = format;
    picture.width = width;
    picture.height = height;
    picture.bytes = canvas.saveImageToStream(format);
    if (picture.bytes.empty() || (format == kGifFormatText && !holdsPictureOfSize(picture.bytes, width, height))) {
        picture.bytes.clear();
        picture.problem = ComposeProblem::encodingFailed;
    }
    return picture;
}

}  // namespace composing
}  // namespace pixmora
