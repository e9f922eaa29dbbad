#pragma once
// Common base of the GDI+ wrapper classes.
//
// An object wraps one native GDI+ object and owns it. It is declared by the
// routine that uses it, starts empty, and releases its native object when told
// to or when it is destroyed; objects are never copied. Every handle field of
// one object holds the same value between operations: setNativeHandle is the
// only writer of nativeHandle and passes the value on to the typed copies of
// each class level (onHandleSet, then onSubclassHandleSet).
//
// The virtual operations of each class stand in the order of its class table.
#include <cstddef>

#include "imaging/toolkit_status.h"

namespace pixmora {

class ToolkitObject {
public:
    ToolkitObject() = default;
    ToolkitObject(const ToolkitObject&) = delete;
    ToolkitObject& operator=(const ToolkitObject&) = delete;
    virtual ~ToolkitObject() = default;

    virtual void* getNativeHandle() const { return nativeHandle; }
    // Stores the handle in every copy; what was held before is not released.
    virtual void setNativeHandle(void* handle);

protected:
    // Stores the typed copy of the first class level and passes the handle on.
    virtual void onHandleSet(void* handle) = 0;

public:
    // Memory from GDI+'s own allocator (GdipAlloc / GdipFree); lastStatus untouched.
    virtual void* alloc(std::size_t size);
    virtual void free(void* pointer);

private:
    void* nativeHandle = nullptr;
};

// The creating pattern shared by every load and create operation: release what
// the object holds, let GDI+ write the new native object into the typed field
// (`create` gets the field's address and gives a status), store the status and
// make every handle copy agree with the field.
template <typename Handle, typename Release, typename Create>
bool runCreatingOperation(ToolkitObject& object, Handle*& typedHandle, Release&& release, Create&& create) {
    if (typedHandle) release();
    typedHandle = nullptr;
    const bool ok = storeStatus(create(&typedHandle));
    object.setNativeHandle(typedHandle);
    return ok;
}

// The release pattern: false at once when empty (lastStatus untouched), else
// delete the native object, store the status and empty every handle copy.
template <typename Handle, typename Delete>
bool runReleaseOperation(ToolkitObject& object, Handle* typedHandle, Delete&& destroy) {
    if (!typedHandle) return false;
    const bool ok = storeStatus(destroy(typedHandle));
    object.setNativeHandle(nullptr);
    return ok;
}

}  // namespace pixmora
