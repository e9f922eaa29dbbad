#pragma once
// A GDI+ graphics context, drawing into an image, a window, a device context
// or an off-screen canvas of its own.
//
// Pens, paths, fonts, string formats, matrices, cached bitmaps, metafiles and
// image attributes are any toolkit objects holding such GDI+ objects; the
// operations hand GDI+ their native handles. Optional ones are pointers, null
// when absent. Enumerations (modes, units, spaces, orders) are GDI+'s values.
// Record arrays are refused with InvalidParameter when empty.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/brush_object.h"
#include "imaging/image_object.h"
#include "imaging/region_object.h"
#include "imaging/toolkit_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

// GDI+'s unit of pixels, the default source unit of the image operations.
inline constexpr int kUnitPixel = 2;
// GDI+'s DriverStringOptionsCmapLookup: the text is characters, not glyph indices.
inline constexpr int kDriverStringCmapLookup = 1;

class GraphicsObject : public ToolkitObject {
public:
    GraphicsObject() = default;
    ~GraphicsObject() override;

protected:
    void onHandleSet(void* handle) override;
    virtual void onSubclassHandleSet(void* handle);

public:
    // Release operation: gives back a device context still out, takes down
    // the canvas, if any, and deletes the graphics.
    virtual bool deleteGraphics();
    // Flushes pending drawing; reports nothing, lastStatus untouched.
    virtual void flush(int intention = 0);
    virtual bool createFromHWND(HWND window, bool useIcm = false);
    // A graphics on a device context (with a device handle when one is given).
    virtual bool createFromHDC(HDC deviceContext, std::optional<HANDLE> device = std::nullopt);
    // A graphics that draws into `image`.
    virtual bool getImageGraphicsContext(ImageObject& image);
    // The device context of the graphics, one at a time: while one is out a
    // second call gives the same context with status GenericError.
    virtual HDC getDC();
    // Gives the device context back; false with status 0 when none is out.
    virtual bool releaseDC();

    // Rendering settings: queries give GDI+'s value, or 0 on failure.
    virtual int getCompositingMode();
    virtual bool setCompositingMode(int mode);
    virtual bool getRenderingOrigin(std::int32_t& x, std::int32_t& y);
    virtual bool setRenderingOrigin(std::int32_t x, std::int32_t y);
    virtual int getCompositingQuality();
    virtual bool setCompositingQuality(int quality);
    virtual bool setSmoothingMode(int mode);
    virtual int getSmoothingMode();
    virtual bool setTextRenderingHint(int hint);
    virtual int getTextRenderingHint();
    virtual bool setInterpolationMode(int mode);
    virtual int getInterpolationMode();
    virtual bool setPixelOffsetMode(int mode);
    virtual int getPixelOffsetMode();

    // World transform and page scaling; order 0 prepends, 1 appends.
    virtual bool setWorldTransform(ToolkitObject& matrix);
    // Afterwards the matrix object holds the world transform (a GDI+ matrix
    // is created for it when it holds none).
    virtual bool getWorldTransform(ToolkitObject& matrix);
    virtual bool resetWorldTransform();
    virtual bool multiplyWorldTransform(ToolkitObject& matrix, int order = 0);
    virtual bool translateWorldTransform(float dx, float dy, int order = 0);
    virtual bool scaleWorldTransform(float sx, float sy, int order = 0);
    // Scaling and rotating about a centre: three GDI+ calls, the last one's status decides.
    virtual bool scaleWorldTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    virtual bool rotateWorldTransform(float angle, int order = 0);
    virtual bool rotateWorldTransformAt(float angle, const PointF& centre, int order = 0);
    virtual bool setPageUnit(int unit);
    virtual int getPageUnit();
    virtual bool setPageScale(float scale);
    virtual float getPageScale();
    virtual float getDpiX();
    virtual float getDpiY();
    // Converts the points in place between coordinate spaces.
    virtual bool transformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points);
    virtual bool transformPointsI(int destinationSpace, int sourceSpace, std::vector<PointI>& points);
    // The nearest colour the device shows; the colour itself on failure.
    virtual std::uint32_t getNearestColor(std::uint32_t argb);

    // Outlines drawn with a pen.
    virtual bool drawLine(ToolkitObject& pen, float x1, float y1, float x2, float y2);
    virtual bool drawLineI(ToolkitObject& pen, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    virtual bool drawLines(ToolkitObject& pen, std::vector<PointF>& points);
    virtual bool drawLinesI(ToolkitObject& pen, std::vector<PointI>& points);
    virtual bool drawArc(ToolkitObject& pen, float x, float y, float width, float height, float startAngle,
                         float sweepAngle);
    virtual bool drawArcI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, float startAngle, float sweepAngle);
    virtual bool drawBezier(ToolkitObject& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                            float x4, float y4);
    virtual bool drawBezierI(ToolkitObject& pen, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                             std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4);
    virtual bool drawBeziers(ToolkitObject& pen, std::vector<PointF>& points);
    virtual bool drawBeziersI(ToolkitObject& pen, std::vector<PointI>& points);
    virtual bool drawRectangle(ToolkitObject& pen, float x, float y, float width, float height);
    virtual bool drawRectangleI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height);
    virtual bool drawRectangles(ToolkitObject& pen, std::vector<RectF>& rects);
    virtual bool drawRectanglesI(ToolkitObject& pen, std::vector<RectI>& rects);
    virtual bool drawEllipse(ToolkitObject& pen, float x, float y, float width, float height);
    virtual bool drawEllipseI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height);
    virtual bool drawPie(ToolkitObject& pen, float x, float y, float width, float height, float startAngle,
                         float sweepAngle);
    virtual bool drawPieI(ToolkitObject& pen, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, float startAngle, float sweepAngle);
    virtual bool drawPolygon(ToolkitObject& pen, std::vector<PointF>& points);
    virtual bool drawPolygonI(ToolkitObject& pen, std::vector<PointI>& points);
    virtual bool drawPath(ToolkitObject& pen, ToolkitObject& path);
    virtual bool drawCurve(ToolkitObject& pen, std::vector<PointF>& points);
    virtual bool drawCurveI(ToolkitObject& pen, std::vector<PointI>& points);
    virtual bool drawCurve2(ToolkitObject& pen, std::vector<PointF>& points, float tension);
    virtual bool drawCurve2I(ToolkitObject& pen, std::vector<PointI>& points, float tension);
    virtual bool drawCurve3(ToolkitObject& pen, std::vector<PointF>& points, std::int32_t offset,
                            std::int32_t numberOfSegments, float tension);
    virtual bool drawCurve3I(ToolkitObject& pen, std::vector<PointI>& points, std::int32_t offset,
                             std::int32_t numberOfSegments, float tension);
    virtual bool drawClosedCurve(ToolkitObject& pen, std::vector<PointF>& points);
    virtual bool drawClosedCurveI(ToolkitObject& pen, std::vector<PointI>& points);
    virtual bool drawClosedCurve2(ToolkitObject& pen, std::vector<PointF>& points, float tension);
    virtual bool drawClosedCurve2I(ToolkitObject& pen, std::vector<PointI>& points, float tension);
    // Paints the whole canvas with plain GDI: black, outlined with a one-pixel
    // black pen of the style. False only without a graphics; lastStatus untouched.
    virtual bool drawCanvasRectangle(int penStyle = PS_SOLID);

    // Areas filled with a brush; fill mode 0 alternate, 1 winding.
    virtual bool fillRectangle(BrushObject& brush, float x, float y, float width, float height);
    virtual bool fillRectangleRect(BrushObject& brush, const RectF& rect);
    virtual bool fillRectangleI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height);
    virtual bool fillRectangles(BrushObject& brush, std::vector<RectF>& rects);
    virtual bool fillRectanglesI(BrushObject& brush, std::vector<RectI>& rects);
    virtual bool fillPolygon(BrushObject& brush, std::vector<PointF>& points, int fillMode = 0);
    virtual bool fillPolygonI(BrushObject& brush, std::vector<PointI>& points, int fillMode = 0);
    virtual bool fillEllipse(BrushObject& brush, float x, float y, float width, float height);
    virtual bool fillEllipseI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height);
    virtual bool fillPie(BrushObject& brush, float x, float y, float width, float height, float startAngle,
                         float sweepAngle);
    virtual bool fillPieI(BrushObject& brush, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, float startAngle, float sweepAngle);
    virtual bool fillPath(BrushObject& brush, ToolkitObject& path);
    virtual bool fillClosedCurve(BrushObject& brush, std::vector<PointF>& points);
    virtual bool fillClosedCurve2(BrushObject& brush, std::vector<PointF>& points, float tension, int fillMode = 0);
    virtual bool fillClosedCurveI(BrushObject& brush, std::vector<PointI>& points);
    virtual bool fillClosedCurve2I(BrushObject& brush, std::vector<PointI>& points, float tension,
                                   int fillMode = 0);
    virtual bool fillRegion(BrushObject& brush, RegionObject& region);

    // Text: the plain forms take UTF-8, the W forms zero-terminated UTF-16.
    virtual bool drawString(std::string_view text, ToolkitObject& font, BrushObject& brush, const RectF& layout,
                            ToolkitObject* format = nullptr);
    virtual bool drawStringW(const wchar_t* text, ToolkitObject& font, BrushObject& brush, const RectF& layout,
                             ToolkitObject* format = nullptr);
    // Writes the box the text needs into `boundingBox`.
    virtual bool measureString(std::string_view text, ToolkitObject& font, const RectF& layout,
                               ToolkitObject* format, RectF& boundingBox);
    virtual bool measureStringW(const wchar_t* text, ToolkitObject& font, const RectF& layout,
                                ToolkitObject* format, RectF& boundingBox);
    // One region per character range of the format; on success `regions` is
    // replaced by `count` region objects, else left as it was.
    virtual bool measureCharacterRanges(std::string_view text, ToolkitObject& font, const RectF& layout,
                                        ToolkitObject& format, std::int32_t count,
                                        std::vector<RegionObject>& regions);
    virtual bool measureCharacterRangesW(const wchar_t* text, ToolkitObject& font, const RectF& layout,
                                         ToolkitObject& format, std::int32_t count,
                                         std::vector<RegionObject>& regions);
    // Glyphs at given positions, one position per character (only the first
    // with GDI+'s realized-advance flag); refused with InvalidParameter when
    // there are fewer positions than that.
    virtual bool drawDriverString(std::string_view text, ToolkitObject& font, BrushObject& brush,
                                  std::vector<PointF>& positions, int flags = kDriverStringCmapLookup,
                                  ToolkitObject* matrix = nullptr);
    virtual bool drawDriverStringW(const wchar_t* text, ToolkitObject& font, BrushObject& brush,
                                   std::vector<PointF>& positions, int flags = kDriverStringCmapLookup,
                                   ToolkitObject* matrix = nullptr);
    virtual bool setTextContrast(std::uint32_t contrast);
    virtual std::uint32_t getTextContrast();

    // Images. Without a source rectangle the whole image is drawn.
    virtual bool drawImageRect(ImageObject& image, float x, float y);
    virtual bool drawImageRectI(ImageObject& image, std::int32_t x, std::int32_t y);
    virtual bool drawImage(ImageObject& image, float x, float y);
    virtual bool drawImageI(ImageObject& image, std::int32_t x, std::int32_t y);
    // Drawn at x and y truncated toward zero.
    virtual bool drawCachedBitmap(ToolkitObject& cachedBitmap, float x, float y);
    // The whole image stretched into the destination rectangle.
    virtual bool drawImageRectRect(ImageObject& image, float x, float y, float width, float height,
                                   int sourceUnit = kUnitPixel);
    virtual bool drawImageRectRectI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, int sourceUnit = kUnitPixel);
    // Into the parallelogram with upper-left (x1, y1), upper-right (x2, y2)
    // and lower-left (x3, y3) corners.
    virtual bool drawImagePoints(ImageObject& image, float x1, float y1, float x2, float y2, float x3, float y3);
    virtual bool drawImagePointsI(ImageObject& image, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                  std::int32_t y2, std::int32_t x3, std::int32_t y3);
    virtual bool drawImagePointRect(ImageObject& image, float x, float y, float sourceX, float sourceY,
                                    float sourceWidth, float sourceHeight, int sourceUnit = kUnitPixel);
    virtual bool drawImagePointRectI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t sourceX,
                                     std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight,
                                     int sourceUnit = kUnitPixel);
    virtual bool drawImageRectRectEx(ImageObject& image, float x, float y, float width, float height,
                                     float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                     int sourceUnit = kUnitPixel, ToolkitObject* attributes = nullptr);
    virtual bool drawImageRectRectExI(ImageObject& image, std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height, std::int32_t sourceX, std::int32_t sourceY,
                                      std::int32_t sourceWidth, std::int32_t sourceHeight,
                                      int sourceUnit = kUnitPixel, ToolkitObject* attributes = nullptr);
    virtual bool drawImagePointsRect(ImageObject& image, float x1, float y1, float x2, float y2, float x3,
                                     float y3, float sourceX, float sourceY, float sourceWidth,
                                     float sourceHeight, int sourceUnit = kUnitPixel,
                                     ToolkitObject* attributes = nullptr);
    virtual bool drawImagePointsRectI(ImageObject& image, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                      std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t sourceX,
                                      std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight,
                                      int sourceUnit = kUnitPixel, ToolkitObject* attributes = nullptr);

    // Metafile records played through the caller's callback.
    using MetafileCallback = Gdiplus::EnumerateMetafileProc;
    virtual bool enumerateMetafileDestPoint(ToolkitObject& metafile, const PointF& destination,
                                            MetafileCallback callback, void* callbackData = nullptr,
                                            ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileDestPointI(ToolkitObject& metafile, const PointI& destination,
                                             MetafileCallback callback, void* callbackData = nullptr,
                                             ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileDestPoints(ToolkitObject& metafile, std::vector<PointF>& destination,
                                             MetafileCallback callback, void* callbackData = nullptr,
                                             ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileDestPointsI(ToolkitObject& metafile, std::vector<PointI>& destination,
                                              MetafileCallback callback, void* callbackData = nullptr,
                                              ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileDestRect(ToolkitObject& metafile, const RectF& destination,
                                           MetafileCallback callback, void* callbackData = nullptr,
                                           ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileDestRectI(ToolkitObject& metafile, const RectI& destination,
                                            MetafileCallback callback, void* callbackData = nullptr,
                                            ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestPoint(ToolkitObject& metafile, const PointF& destination,
                                                   const RectF& source, int sourceUnit, MetafileCallback callback,
                                                   void* callbackData = nullptr, ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestPointI(ToolkitObject& metafile, const PointI& destination,
                                                    const RectI& source, int sourceUnit, MetafileCallback callback,
                                                    void* callbackData = nullptr,
                                                    ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestPoints(ToolkitObject& metafile, std::vector<PointF>& destination,
                                                    const RectF& source, int sourceUnit, MetafileCallback callback,
                                                    void* callbackData = nullptr,
                                                    ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestPointsI(ToolkitObject& metafile, std::vector<PointI>& destination,
                                                     const RectI& source, int sourceUnit,
                                                     MetafileCallback callback, void* callbackData = nullptr,
                                                     ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestRect(ToolkitObject& metafile, const RectF& destination,
                                                  const RectF& source, int sourceUnit, MetafileCallback callback,
                                                  void* callbackData = nullptr, ToolkitObject* attributes = nullptr);
    virtual bool enumerateMetafileSrcRectDestRectI(ToolkitObject& metafile, const RectI& destination,
                                                   const RectI& source, int sourceUnit, MetafileCallback callback,
                                                   void* callbackData = nullptr, ToolkitObject* attributes = nullptr);

    // Clipping; combine mode 0 replaces the clip.
    virtual bool setClipGraphics(GraphicsObject& other, int mode = 0);
    virtual bool setClipPath(ToolkitObject& path, int mode = 0);
    virtual bool setClipRect(float x, float y, float width, float height, int mode = 0);
    virtual bool setClipRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                              int mode = 0);
    virtual bool setClipRegion(RegionObject& region, int mode = 0);
    virtual bool setClipHrgn(HRGN region, int mode = 0);
    virtual bool resetClip();
    virtual bool translateClip(float dx, float dy);
    virtual bool translateClipI(std::int32_t dx, std::int32_t dy);
    // Afterwards the region object holds the clip (created for it when it holds none).
    virtual bool getClip(RegionObject& region);
    virtual RectF getClipBounds();
    virtual RectI getClipBoundsI();
    virtual RectF getVisibleClipBounds();
    virtual RectI getVisibleClipBoundsI();
    // Yes-or-no queries: true only when GDI+ succeeded and answered yes.
    virtual bool isClipEmpty();
    virtual bool isVisibleClipEmpty();
    virtual bool isVisiblePoint(float x, float y);
    virtual bool isVisiblePointI(std::int32_t x, std::int32_t y);
    virtual bool isVisibleRect(float x, float y, float width, float height);
    virtual bool isVisibleRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

    // Saved states and containers: the state GDI+ issued, 0 on failure.
    virtual std::uint32_t saveGraphics();
    virtual bool restoreGraphics(std::uint32_t state);
    virtual std::uint32_t beginContainer(const RectF& destination, const RectF& source, int unit = 0);
    virtual std::uint32_t beginContainerI(const RectI& destination, const RectI& source, int unit = 0);
    virtual std::uint32_t beginContainer2();
    virtual bool endContainer(std::uint32_t state);
    // A comment record for a metafile being recorded.
    virtual bool comment(const ByteArray& data);

    virtual bool isValid() const { return ownedGraphicsHandle != nullptr; }

    // An off-screen canvas: a 32-bit bottom-up DIB section in a memory device
    // context, with the graphics drawing on it. True when the graphics was made.
    virtual bool createCanvas(std::int32_t width, std::int32_t height);
    // Sets every pixel of the rectangle to 0 (black, alpha 0). False without a
    // graphics (lastStatus untouched) or when the transfer fails (GenericError).
    virtual bool clearCanvasRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    // Transfers from a device context onto the canvas with SRCCOPY; absent sizes
    // are the canvas's. False with GenericError when the system call fails.
    virtual bool bitBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t destinationX,
                        std::int32_t destinationY, std::optional<std::int32_t> width = std::nullopt,
                        std::optional<std::int32_t> height = std::nullopt);
    virtual bool stretchBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY,
                            std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight,
                            std::int32_t destinationX, std::int32_t destinationY,
                            std::optional<std::int32_t> destinationWidth = std::nullopt,
                            std::optional<std::int32_t> destinationHeight = std::nullopt);
    // Constant alpha (low byte used), and the source's own alpha when perPixelAlpha.
    virtual bool alphaBlend(HDC source, std::int32_t sourceX, std::int32_t sourceY,
                            std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight,
                            std::int32_t destinationX, std::int32_t destinationY,
                            std::optional<std::int32_t> destinationWidth = std::nullopt,
                            std::optional<std::int32_t> destinationHeight = std::nullopt, std::int32_t alpha = 255,
                            bool perPixelAlpha = false);
    // Source pixels of the transparent colour are left out; GdiTransparentBlt
    // from gdi32, or TransparentBlt from msimg32 when useMsimg32.
    virtual bool transparentBlt(HDC source, std::int32_t sourceX, std::int32_t sourceY,
                                std::optional<std::int32_t> sourceWidth, std::optional<std::int32_t> sourceHeight,
                                std::int32_t destinationX, std::int32_t destinationY,
                                std::optional<std::int32_t> destinationWidth,
                                std::optional<std::int32_t> destinationHeight, COLORREF transparentColour,
                                bool useMsimg32 = false);
    virtual HDC getCanvasDC() { return canvasDC; }
    virtual std::int32_t getCanvasWidth() { return canvasWidth; }
    virtual std::int32_t getCanvasHeight() { return canvasHeight; }
    // The canvas encoded as a picture file of the format (JPEG when the text
    // is empty, which is then set to JPEG's format text); empty on failure.
    virtual ByteArray canvasToBytes(std::string& format);
    virtual HBITMAP getCanvasBitmap() { return canvasBitmap; }
    // The canvas pixel as 0x00BBGGRR; CLR_INVALID outside the canvas.
    virtual COLORREF getPixel(std::int32_t x, std::int32_t y);

protected:
    // Takes the canvas down and clears its fields.
    void releaseCanvas();

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
