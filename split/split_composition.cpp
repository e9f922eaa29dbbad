#include "split/split_composition.h"

#include "imaging/bitmap_object.h"
#include "imaging/brush_object.h"
#include "imaging/encoders.h"
#include "imaging/graphics_object.h"
#include "join/colour_to_argb.h"
#include "split/split_geometry.h"

namespace pixmora {

ComposedPicture composeSplit(const SplitSettings& settings) {
    ImageObject source;
    if (!composing::loadPicture(source, settings.sourcePath)) return composing::failed(ComposeProblem::noSplitSource);
    const std::string format = source.getImageRawFormat();
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
        graphics.drawImageRectRect(source, 0, 0, static_cast<float>(width), static_cast<float>(height));
        const SplitGeometry lines =
            splitGeometry(width, height, settings.rows, settings.columns, settings.thickness, settings.border);
        for (const RectF& line : lines.horizontal) graphics.fillRectangle(brush, line.x, line.y, line.width, line.height);
        for (const RectF& line : lines.vertical) graphics.fillRectangle(brush, line.x, line.y, line.width, line.height);
        // The graphics goes before encoding, so everything drawn is in the bitmap.
    }
    return composing::encodeCanvas(canvas, format, width, height);
}

ExportResult exportSplit(const SplitSettings& settings, std::string_view path) {
    ExportResult result{composeSplit(settings), {}};
    result.outcome = saveComposedPicture(result.picture, path);
    return result;
}

}  // namespace pixmora
