#include "imaging/brush_object.h"

#include "imaging/gdiplus_call.h"

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

bool BrushObject::createSolidFill(std::uint32_t argb) {
    return runCreatingOperation(*this, solidBrushHandle, [this] { deleteBrush(); }, [&](Gdiplus::GpSolidFill** out) {
        return callGdiplusQuietly(gdiplus::GdipCreateSolidFill, static_cast<Gdiplus::ARGB>(argb), out);
    });
}

}  // namespace pixmora
