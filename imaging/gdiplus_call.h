#pragma once
// Calling GDI+ the toolkit's way: every call's status lands in lastStatus, and
// a function missing at run time counts as a failed call.
#include "imaging/gdiplus_api.h"
#include "imaging/toolkit_status.h"

namespace pixmora {

// Calls a GDI+ function, stores its status and tells whether it is Ok.
template <typename Fn, typename... Args>
bool callGdiplus(const BoundFunction<Fn>& function, Args&&... args) {
    return storeStatus(function.callOr(kFunctionMissingStatus, std::forward<Args>(args)...));
}

// Calls a GDI+ function without looking at or storing its status.
template <typename Fn, typename... Args>
int callGdiplusQuietly(const BoundFunction<Fn>& function, Args&&... args) {
    return function.callOr(kFunctionMissingStatus, std::forward<Args>(args)...);
}

// Calls a GDI+ query whose last argument receives the answer; gives the answer,
// or a value-initialised one when GDI+ wrote nothing. The status is stored.
template <typename T, typename Fn, typename... Args>
T queryGdiplus(const BoundFunction<Fn>& function, Args&&... args) {
    T value{};
    callGdiplus(function, std::forward<Args>(args)..., &value);
    return value;
}

}  // namespace pixmora
