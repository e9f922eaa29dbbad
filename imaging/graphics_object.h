#pragma once
// A GDI+ graphics context, drawing into an image (or, later, a window, a
// device context or an off-screen canvas of its own).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>

#include "imaging/brush_object.h"
#include "imaging/image_object.h"
#include "imaging/toolkit_object.h"

namespace pixmora {

class GraphicsObject : public ToolkitObject {
public:
    GraphicsObject() = default;
    ~GraphicsObject() override;

protected:
    void onHandleSet(void* handle) override;
    virtual void onSubclassHandleSet(void* handle);

public:
    // Release operation: takes down the canvas, if any, and deletes the graphics.
    virtual bool deleteGraphics();
    // A graphics on a device context (with a device handle when one is given).
    virtual bool createFromHDC(HDC deviceContext, std::optional<HANDLE> device = std::nullopt);
    // A graphics that draws into `image`.
    virtual bool getImageGraphicsContext(ImageObject& image);
    virtual bool setInterpolationMode(int mode);

    virtual bool fillRectangle(BrushObject& brush, float x, float y, float width, float height);
    // The whole image stretched into the destination rectangle.
    virtual bool drawImageRectRect(ImageObject& image, float x, float y, float width, float height,
                                   int sourceUnit = Gdiplus::UnitPixel);

    virtual bool isValid() const { return ownedGraphicsHandle != nullptr; }

protected:
    Gdiplus::GpGraphics* graphicsHandle = nullptr;
    HDC deviceContext = nullptr;
    HDC canvasDC = nullptr;
    HBITMAP canvasBitmap = nullptr;
    HGDIOBJ canvasPreviousBitmap = nullptr;
    Gdiplus::GpGraphics* ownedGraphicsHandle = nullptr;
    std::int32_t canvasWidth = 0;
    std::int32_t canvasHeight = 0;
};

}  // namespace pixmora
