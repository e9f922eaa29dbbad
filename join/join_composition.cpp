#include "join/join_composition.h"

#include <algorithm>

#include "imaging/bitmap_object.h"
#include "imaging/brush_object.h"
#include "imaging/encoders.h"
#include "imaging/graphics_object.h"
#include "join/colour_to_argb.h"
#include "join/join_geometry.h"

namespace pixmora {
ComposedPicture composeJoin(const JoinSettings& settings) {
    composing::PhaseClock clock(settings.phaseObserver);
    std::array<ImageObject, 4> slots;
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const bool loaded = composing::loadPicture(slots[k], settings.slotPaths[k]);
        if (!loaded && settings.slotPaths[k] && settings.refuseUnreadablePictures)
            return composing::unreadable(static_cast<int>(k));
    }
    clock.finished(ComposePhase::decode);
    if (!slots[0].isValid()) return composing::failed(ComposeProblem::noFirstSlotPicture);
    const std::string format = settings.outputFormat ? *settings.outputFormat : slots[0].getImageRawFormat();
    if (encoderClsidForFormat(format).empty()) return composing::failed(ComposeProblem::noEncoder, format);

    std::int32_t cellWidth = 0;
    std::int32_t cellHeight = 0;
    for (ImageObject& slot : slots) {
        if (!slot.isValid()) continue;
        const SizeF size = slot.getImageDimension();
        cellWidth = std::max(cellWidth, composing::wholePixels(size.width));
        cellHeight = std::max(cellHeight, composing::wholePixels(size.height));
    }
    const JoinGeometry geometry = joinGeometry(settings.count, cellWidth, cellHeight, settings.thickness,
                                               settings.stacked, settings.border);

    BitmapObject canvas;
    const ComposeProblem canvasProblem = composing::createCanvas(canvas, geometry.canvasWidth, geometry.canvasHeight);
    if (canvasProblem != ComposeProblem::none) return composing::failed(canvasProblem, format);
    {
        GraphicsObject graphics;
        BrushObject brush;
        graphics.getImageGraphicsContext(canvas);
        brush.createSolidFill(colourToArgb(settings.barColour));
        for (std::size_t k = 0; k < slots.size(); ++k) {
            if (!slots[k].isValid()) continue;
            const RectF& cell = geometry.cells[k];
            // Some decoders read the pixels only now, so a damaged file can
            // still fail here.
            const bool drawn = graphics.drawImageRectRect(slots[k], cell.x, cell.y, cell.width, cell.height);
            if (!drawn && settings.refuseUnreadablePictures && static_cast<int>(k) < settings.count)
                return composing::unreadable(static_cast<int>(k), format);
        }
        for (const RectF& bar : geometry.bars) graphics.fillRectangle(brush, bar.x, bar.y, bar.width, bar.height);
        // The graphics goes before encoding, so everything drawn is in the bitmap.
    }
    clock.finished(ComposePhase::draw);
    ComposedPicture picture = composing::encodeCanvas(canvas, format, geometry.canvasWidth, geometry.canvasHeight);
    clock.finished(ComposePhase::encode);
    return picture;
}

ExportResult exportJoin(const JoinSettings& settings, std::string_view path) {
    return exportComposedPicture(composeJoin(settings), path, settings.phaseObserver);
}

}  // namespace pixmora
