#pragma once
// A GDI+ brush; the program fills with solid colours.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>

#include "imaging/toolkit_object.h"

namespace pixmora {

class BrushObject : public ToolkitObject {
public:
    BrushObject() = default;
    ~BrushObject() override;

protected:
    void onHandleSet(void* handle) override;
    virtual void onSubclassHandleSet(void* handle);

public:
    virtual bool deleteBrush();

    virtual bool isValid() const { return solidBrushHandle != nullptr; }
    // A solid brush of an ARGB colour (alpha in the top byte).
    virtual bool createSolidFill(std::uint32_t argb);

protected:
    Gdiplus::GpBrush* brushHandle = nullptr;
    Gdiplus::GpSolidFill* solidBrushHandle = nullptr;
};

}  // namespace pixmora
