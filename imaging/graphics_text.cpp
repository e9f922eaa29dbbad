// GraphicsObject: drawing and measuring text. UTF-8 texts are converted to
// UTF-16; the W forms take zero-terminated UTF-16 as it is.
#include "imaging/gdiplus_forward.h"
#include "imaging/graphics_object.h"

namespace pixmora {
namespace {

bool measureRanges(Gdiplus::GpGraphics* graphics, const WideTextArgument& text, ToolkitObject& font,
                   const RectF& layout, ToolkitObject& format, std::int32_t count,
                   std::vector<RegionObject>& regions) {
    if (count < 1) return storeStatus(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::GpRegion*> handles(static_cast<std::size_t>(count), nullptr);
    auto deleteCreated = [&] {
        for (Gdiplus::GpRegion* region : handles)
            if (region) callGdiplusQuietly(gdiplus::GdipDeleteRegion, region);
        return false;
    };
    for (Gdiplus::GpRegion*& region : handles)
        if (!callGdiplus(gdiplus::GdipCreateRegion, &region)) return deleteCreated();
    if (!forwardGdiplus(gdiplus::GdipMeasureCharacterRanges, graphics, text, font.getNativeHandle(), layout,
                        format.getNativeHandle(), count, handles.data()))
        return deleteCreated();
    // The old region objects release their regions as they go.
    std::vector<RegionObject>(handles.size()).swap(regions);
    for (std::size_t i = 0; i < handles.size(); ++i) regions[i].setNativeHandle(handles[i]);
    return true;
}

bool driverString(Gdiplus::GpGraphics* graphics, const WideTextArgument& text, ToolkitObject& font,
                  BrushObject& brush, std::vector<PointF>& positions, int flags, ToolkitObject* matrix) {
    // GDI+ reads one position per character, or only the first with realized advance.
    const std::size_t needed = (flags & Gdiplus::DriverStringOptionsRealizedAdvance) ? 1 : std::max(text.length(), 1);
    if (positions.size() < needed) return storeStatus(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::PointF> block;
    for (const PointF& position : positions) block.push_back(toNative(position));
    return forwardGdiplus(gdiplus::GdipDrawDriverString, graphics, reinterpret_cast<const UINT16*>(text.text()),
                          text.length(), font.getNativeHandle(), brush.getNativeHandle(), block.data(), flags,
                          handleOf(matrix));
}

}  // namespace

bool GraphicsObject::drawString(std::string_view text, ToolkitObject& font, BrushObject& brush, const RectF& layout, ToolkitObject* format) { return forwardGdiplus(gdiplus::GdipDrawString, graphicsHandle, wideText(text), font.getNativeHandle(), layout, handleOf(format), brush.getNativeHandle()); }

bool GraphicsObject::drawStringW(const wchar_t* text, ToolkitObject& font, BrushObject& brush, const RectF& layout, ToolkitObject* format) { return forwardGdiplus(gdiplus::GdipDrawString, graphicsHandle, wideText(text), font.getNativeHandle(), layout, handleOf(format), brush.getNativeHandle()); }

bool GraphicsObject::measureString(std::string_view text, ToolkitObject& font, const RectF& layout, ToolkitObject* format, RectF& boundingBox) {
    return measureStringW(wideText(text).text(), font, layout, format, boundingBox);
}

bool GraphicsObject::measureStringW(const wchar_t* text, ToolkitObject& font, const RectF& layout, ToolkitObject* format, RectF& boundingBox) {
    Gdiplus::RectF box = toNative(boundingBox);
    const bool ok = forwardGdiplus(gdiplus::GdipMeasureString, graphicsHandle, wideText(text), font.getNativeHandle(), layout, handleOf(format), &box, nullptr, nullptr);
    boundingBox = fromNative(box);
    return ok;
}

bool GraphicsObject::measureCharacterRanges(std::string_view text, ToolkitObject& font, const RectF& layout, ToolkitObject& format, std::int32_t count, std::vector<RegionObject>& regions) { return measureRanges(graphicsHandle, wideText(text), font, layout, format, count, regions); }

bool GraphicsObject::measureCharacterRangesW(const wchar_t* text, ToolkitObject& font, const RectF& layout, ToolkitObject& format, std::int32_t count, std::vector<RegionObject>& regions) { return measureRanges(graphicsHandle, wideText(text), font, layout, format, count, regions); }

bool GraphicsObject::drawDriverString(std::string_view text, ToolkitObject& font, BrushObject& brush, std::vector<PointF>& positions, int flags, ToolkitObject* matrix) { return driverString(graphicsHandle, wideText(text), font, brush, positions, flags, matrix); }

bool GraphicsObject::drawDriverStringW(const wchar_t* text, ToolkitObject& font, BrushObject& brush, std::vector<PointF>& positions, int flags, ToolkitObject* matrix) { return driverString(graphicsHandle, wideText(text), font, brush, positions, flags, matrix); }

bool GraphicsObject::setTextContrast(std::uint32_t contrast) { return forwardGdiplus(gdiplus::GdipSetTextContrast, graphicsHandle, contrast); }

std::uint32_t GraphicsObject::getTextContrast() { return forwardQuery<UINT>(gdiplus::GdipGetTextContrast, graphicsHandle); }

}  // namespace pixmora
