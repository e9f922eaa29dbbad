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
    // A new GDI+ brush of the same kind and colour, adopted by `target` (pass an empty one).
    virtual bool cloneBrush(BrushObject& target);
    // GDI+'s brush type: 0 solid colour, 1 hatch, 2 texture, 3 path gradient, 4 linear gradient.
    virtual int getBrushType();

    virtual bool isValid() const { return solidBrushHandle != nullptr; }
    // A solid brush of an ARGB colour (alpha in the top byte).
    virtual bool createSolidFill(std::uint32_t argb);
    virtual bool setSolidFillColor(std::uint32_t argb);
    // The solid brush's ARGB colour; 0 on failure.
    virtual std::uint32_t getSolidFillColor();

protected:
    Gdiplus::GpBrush* brushHandle = nullptr;
    Gdiplus::GpSolidFill* solidBrushHandle = nullptr;
};

}  // namespace pixmora
