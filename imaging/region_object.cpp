#include "imaging/region_object.h"

#include "imaging/gdiplus_forward.h"

namespace pixmora {
namespace {

// The scan rectangles in GDI+'s records, converted to the toolkit's.
template <typename Native, typename Record, typename Fn>
std::uint32_t readScans(Gdiplus::GpRegion* region, ToolkitObject& matrix, std::vector<Record>& rects,
                        const BoundFunction<Fn>& getScans) {
    UINT count = 0;
    if (!forwardGdiplus(gdiplus::GdipGetRegionScansCount, region, &count, matrix.getNativeHandle())) return 0;
    std::vector<Native> block(count);
    rects.assign(count, Record{});
    // An empty region has no rectangles to ask for.
    if (count == 0) return 0;
    INT filled = static_cast<INT>(count);
    forwardGdiplus(getScans, region, block.data(), &filled, matrix.getNativeHandle());
    for (UINT i = 0; i < count; ++i) rects[i] = fromNative(block[i]);
    return static_cast<std::uint32_t>(filled);
}

}  // namespace

RegionObject::~RegionObject() { RegionObject::deleteRegion(); }

void RegionObject::onHandleSet(void* handle) { regionHandle = static_cast<Gdiplus::GpRegion*>(handle); }

bool RegionObject::deleteRegion() {
    return runReleaseOperation(*this, regionHandle, [](Gdiplus::GpRegion* region) {
        return callGdiplusQuietly(gdiplus::GdipDeleteRegion, region);
    });
}

template <typename Fn, typename... Args>
bool RegionObject::createRegionWith(const Fn& creator, const Args&... args) {
    return forwardCreating(*this, regionHandle, [this] { deleteRegion(); }, creator, args...);
}

bool RegionObject::createRegion() { return createRegionWith(gdiplus::GdipCreateRegion); }

bool RegionObject::createRegionRect(const RectF& rect) { return createRegionWith(gdiplus::GdipCreateRegionRect, rect); }

bool RegionObject::createRegionRectI(const RectI& rect) { return createRegionWith(gdiplus::GdipCreateRegionRectI, rect); }

bool RegionObject::createRegionPath(ToolkitObject& path) { return createRegionWith(gdiplus::GdipCreateRegionPath, path.getNativeHandle()); }

bool RegionObject::createRegionHrgn(HRGN region) { return createRegionWith(gdiplus::GdipCreateRegionHrgn, region); }

bool RegionObject::createRegionRgnData(const ByteArray& data, std::int32_t size) {
    if (size < 0 || static_cast<std::size_t>(size) > data.size()) return storeStatus(Gdiplus::InvalidParameter);
    return createRegionWith(gdiplus::GdipCreateRegionRgnData, data.data(), size);
}

bool RegionObject::cloneRegion(RegionObject& target) {
    Gdiplus::GpRegion* copy = nullptr;
    const bool ok = forwardGdiplus(gdiplus::GdipCloneRegion, regionHandle, &copy);
    if (copy) target.setNativeHandle(copy);
    return ok;
}

bool RegionObject::setInfinite() { return forwardGdiplus(gdiplus::GdipSetInfinite, regionHandle); }

bool RegionObject::setEmpty() { return forwardGdiplus(gdiplus::GdipSetEmpty, regionHandle); }

bool RegionObject::combineRegionRect(const RectF& rect, int mode) { return forwardGdiplus(gdiplus::GdipCombineRegionRect, regionHandle, rect, mode); }

bool RegionObject::combineRegionRectI(const RectI& rect, int mode) { return forwardGdiplus(gdiplus::GdipCombineRegionRectI, regionHandle, rect, mode); }

bool RegionObject::combineRegionRegion(RegionObject& other, int mode) { return forwardGdiplus(gdiplus::GdipCombineRegionRegion, regionHandle, other.getNativeHandle(), mode); }

bool RegionObject::combineRegionPath(ToolkitObject& path, int mode) { return forwardGdiplus(gdiplus::GdipCombineRegionPath, regionHandle, path.getNativeHandle(), mode); }

bool RegionObject::translateRegion(float dx, float dy) { return forwardGdiplus(gdiplus::GdipTranslateRegion, regionHandle, dx, dy); }

bool RegionObject::translateRegionI(std::int32_t dx, std::int32_t dy) { return forwardGdiplus(gdiplus::GdipTranslateRegionI, regionHandle, dx, dy); }

bool RegionObject::transformRegion(ToolkitObject& matrix) { return forwardGdiplus(gdiplus::GdipTransformRegion, regionHandle, matrix.getNativeHandle()); }

RectF RegionObject::getRegionBounds(ToolkitObject& graphics) { return forwardRecordQuery<Gdiplus::RectF>(gdiplus::GdipGetRegionBounds, regionHandle, graphics.getNativeHandle()); }

RectI RegionObject::getRegionBoundsI(ToolkitObject& graphics) { return forwardRecordQuery<Gdiplus::Rect>(gdiplus::GdipGetRegionBoundsI, regionHandle, graphics.getNativeHandle()); }

std::uint32_t RegionObject::getRegionDataSize() { return forwardQuery<UINT>(gdiplus::GdipGetRegionDataSize, regionHandle); }

ByteArray RegionObject::getRegionData(std::uint32_t bufferSize, UINT* sizeFilled) {
    ByteArray data(bufferSize, 0);
    forwardGdiplus(gdiplus::GdipGetRegionData, regionHandle, data.data(), bufferSize, sizeFilled);
    return data;
}

HRGN RegionObject::getRegionHRgn(ToolkitObject& graphics) { return forwardQuery<HRGN>(gdiplus::GdipGetRegionHRgn, regionHandle, graphics.getNativeHandle()); }

bool RegionObject::isEmptyRegion(ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsEmptyRegion, regionHandle, graphics.getNativeHandle()); }

bool RegionObject::isInfiniteRegion(ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsInfiniteRegion, regionHandle, graphics.getNativeHandle()); }

bool RegionObject::isEqualRegion(RegionObject& other, ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsEqualRegion, regionHandle, other.getNativeHandle(), graphics.getNativeHandle()); }

bool RegionObject::isVisibleRegionPoint(const PointF& point, ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsVisibleRegionPoint, regionHandle, point.x, point.y, graphics.getNativeHandle()); }

bool RegionObject::isVisibleRegionPointI(const PointI& point, ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsVisibleRegionPointI, regionHandle, point.x, point.y, graphics.getNativeHandle()); }

bool RegionObject::isVisibleRegionRect(const RectF& rect, ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsVisibleRegionRect, regionHandle, rect.x, rect.y, rect.width, rect.height, graphics.getNativeHandle()); }

bool RegionObject::isVisibleRegionRectI(const RectI& rect, ToolkitObject& graphics) { return forwardTest(gdiplus::GdipIsVisibleRegionRectI, regionHandle, rect.x, rect.y, rect.width, rect.height, graphics.getNativeHandle()); }

std::uint32_t RegionObject::getRegionScansCount(ToolkitObject& matrix) {
    UINT count = 0;
    forwardGdiplus(gdiplus::GdipGetRegionScansCount, regionHandle, &count, matrix.getNativeHandle());
    return count;
}

std::uint32_t RegionObject::getRegionScans(ToolkitObject& matrix, std::vector<RectF>& rects) { return readScans<Gdiplus::RectF>(regionHandle, matrix, rects, gdiplus::GdipGetRegionScans); }

std::uint32_t RegionObject::getRegionScansI(ToolkitObject& matrix, std::vector<RectI>& rects) { return readScans<Gdiplus::Rect>(regionHandle, matrix, rects, gdiplus::GdipGetRegionScansI); }

}  // namespace pixmora
