#include "split/split_composition.h"

#include "imaging/bitmap_object.h"
#include "imaging/brush_object.h"
#include "imaging/encoders.h"
#include "imaging/graphics_object.h"
#include "join/colour_to_argb.h"
#include "split/split_geometry.h"

namespace pixmora {

ComposedPicture composeSplit(const SplitSettings& settings) {
    composing::PhaseClock clock(settings.phaseObserver);
    ImageObject source;
    if (!composing::loadPicture(source, settings.sourcePath)) {
        if (settings.sourcePath && settings.refuseUnreadablePictures) return composing::unreadable(0);
        return composing::failed(ComposeProblem::noSplitSource);
    }
    clock.finished(ComposePhase::decode);
    const std::string format = settings.outputFormat ? *settings.outputFormat : source.getImageRawFormat();
    if (encoderClsidForFormat(format).empty()) return composing::failed(ComposeProblem::noEncoder, format);

    const SizeF size = source.getImageDimension();
    const std::int32_t width = composing::wholePixels(size.width);
    const std::int32_t height = composing::wholePixels(size.height);
    BitmapObject canvas;
    const ComposeProblem canvasProblem = composing::createCanvas(canvas, width, height);
    if (canvasProblem != ComposeProblem::none) return composing::failed(canvasProblem, format);
    {
        GraphicsObject graphics;
        BrushObject brush;
        graphics.getImageGraphicsContext(canvas);
        brush.createSolidFill(colourToArgb(settings.lineColour));
        // Some decoders read the pixels only now, so a damaged file can still fail here.
        const bool drawn =
            graphics.drawImageRectRect(source, 0, 0, static_cast<float>(width), static_cast<float>(height));
        if (!drawn && settings.refuseUnreadablePictures) return composing::unreadable(0, format);
        const SplitGeometry lines =
            splitGeometry(width, height, settings.rows, settings.columns, settings.thickness, settings.border);
        for (const RectF& line : lines.horizontal) graphics.fillRectangle(brush, line.x, line.y, line.width, line.height);
        for (const RectF& line : lines.vertical) graphics.fillRectangle(brush, line.x, line.y, line.width, line.height);
        // The graphics goes before encoding, so everything drawn is in the bitmap.
    }
    clock.finished(ComposePhase::draw);
    ComposedPicture picture = composing::encodeCanvas(canvas, format, width, height);
    clock.finished(ComposePhase::encode);
    return picture;
}

ExportResult exportSplit(const SplitSettings& settings, std::string_view path) {
    return exportComposedPicture(composeSplit(settings), path, settings.phaseObserver);
}

}  // namespace pixmora
