#pragma once
// A GDI+ region: creation, combination, queries and its scan rectangles.
// Graphics, paths and matrices are any toolkit objects holding such GDI+ objects.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <vector>

#include "imaging/toolkit_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

// GDI+'s combine mode that keeps the part shared with the other shape.
inline constexpr int kCombineModeIntersect = 1;

class RegionObject : public ToolkitObject {
public:
    RegionObject() = default;
    ~RegionObject() override;

protected:
    void onHandleSet(void* handle) override;

public:
    virtual bool deleteRegion();
    // Creating operations: release what is held, then create.
    virtual bool createRegion();
    virtual bool createRegionRect(const RectF& rect);
    virtual bool createRegionRectI(const RectI& rect);
    virtual bool createRegionPath(ToolkitObject& path);
    virtual bool createRegionHrgn(HRGN region);
    // From the data getRegionData gives; refused with InvalidParameter, without
    // calling GDI+, when `size` is negative or larger than the data.
    virtual bool createRegionRgnData(const ByteArray& data, std::int32_t size);
    // A new GDI+ region equal to this one, adopted by `target` (pass an empty one).
    virtual bool cloneRegion(RegionObject& target);
    virtual bool setInfinite();
    virtual bool setEmpty();
    virtual bool combineRegionRect(const RectF& rect, int mode = kCombineModeIntersect);
    virtual bool combineRegionRectI(const RectI& rect, int mode = kCombineModeIntersect);
    virtual bool combineRegionRegion(RegionObject& other, int mode = kCombineModeIntersect);
    virtual bool combineRegionPath(ToolkitObject& path, int mode = kCombineModeIntersect);
    virtual bool translateRegion(float dx, float dy);
    virtual bool translateRegionI(std::int32_t dx, std::int32_t dy);
    virtual bool transformRegion(ToolkitObject& matrix);
    // Queries: the value GDI+ wrote, or zero.
    virtual RectF getRegionBounds(ToolkitObject& graphics);
    virtual RectI getRegionBoundsI(ToolkitObject& graphics);
    virtual std::uint32_t getRegionDataSize();
    // bufferSize bytes, filled by GDI+ as far as it can (zeros on failure).
    virtual ByteArray getRegionData(std::uint32_t bufferSize, UINT* sizeFilled = nullptr);
    // A GDI region the caller owns and deletes; null on failure.
    virtual HRGN getRegionHRgn(ToolkitObject& graphics);
    // Yes-or-no queries: true only when GDI+ succeeded and answered yes.
    virtual bool isEmptyRegion(ToolkitObject& graphics);
    virtual bool isInfiniteRegion(ToolkitObject& graphics);
    virtual bool isEqualRegion(RegionObject& other, ToolkitObject& graphics);
    virtual bool isVisibleRegionPoint(const PointF& point, ToolkitObject& graphics);
    virtual bool isVisibleRegionPointI(const PointI& point, ToolkitObject& graphics);
    virtual bool isVisibleRegionRect(const RectF& rect, ToolkitObject& graphics);
    virtual bool isVisibleRegionRectI(const RectI& rect, ToolkitObject& graphics);
    // The rectangles that make up the region after the matrix is applied.
    virtual std::uint32_t getRegionScansCount(ToolkitObject& matrix);
    // Replace the array by the scan rectangles and give their number; 0 with
    // the array left as it was when the count cannot be had.
    virtual std::uint32_t getRegionScans(ToolkitObject& matrix, std::vector<RectF>& rects);
    virtual std::uint32_t getRegionScansI(ToolkitObject& matrix, std::vector<RectI>& rects);

    virtual bool isValid() const { return regionHandle != nullptr; }

protected:
    template <typename Fn, typename... Args>
    bool createRegionWith(const Fn& creator, const Args&... args);

    Gdiplus::GpRegion* regionHandle = nullptr;
};

}  // namespace pixmora
