#include "imaging/brush_object.h"

#include "imaging/gdiplus_forward.h"

namespace pixmora {

BrushObject::~BrushObject() { BrushObject::deleteBrush(); }

void BrushObject::onHandleSet(void* handle) {
    brushHandle = static_cast<Gdiplus::GpBrush*>(handle);
    onSubclassHandleSet(handle);
}

void BrushObject::onSubclassHandleSet(void* handle) {
    solidBrushHandle = static_cast<Gdiplus::GpSolidFill*>(handle);
}

bool BrushObject::deleteBrush() {
    return runReleaseOperation(*this, solidBrushHandle, [](Gdiplus::GpSolidFill* brush) {
        return callGdiplusQuietly(gdiplus::GdipDeleteBrush, brush);
    });
}

bool BrushObject::cloneBrush(BrushObject& target) {
    Gdiplus::GpBrush* copy = nullptr;
    const bool ok = forwardGdiplus(gdiplus::GdipCloneBrush, brushHandle, &copy);
    if (copy) target.setNativeHandle(copy);
    return ok;
}

int BrushObject::getBrushType() { return forwardQuery<Gdiplus::BrushType>(gdiplus::GdipGetBrushType, brushHandle); }

bool BrushObject::createSolidFill(std::uint32_t argb) {
    return forwardCreating(*this, solidBrushHandle, [this] { deleteBrush(); }, gdiplus::GdipCreateSolidFill, argb);
}

bool BrushObject::setSolidFillColor(std::uint32_t argb) { return forwardGdiplus(gdiplus::GdipSetSolidFillColor, solidBrushHandle, argb); }

std::uint32_t BrushObject::getSolidFillColor() { return forwardQuery<Gdiplus::ARGB>(gdiplus::GdipGetSolidFillColor, solidBrushHandle); }

}  // namespace pixmora
