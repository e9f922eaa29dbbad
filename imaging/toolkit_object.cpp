#include "imaging/toolkit_object.h"

#include "imaging/gdiplus_api.h"

namespace pixmora {

void ToolkitObject::setNativeHandle(void* handle) {
    nativeHandle = handle;
    onHandleSet(handle);
}

void* ToolkitObject::alloc(std::size_t size) { return gdiplus::GdipAlloc(size); }

void ToolkitObject::free(void* pointer) { gdiplus::GdipFree(pointer); }

}  // namespace pixmora
