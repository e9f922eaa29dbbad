#pragma once
// Forwarding a toolkit operation to one GDI+ function in one statement.
//
// forwardGdiplus(function, arguments...) hands the arguments to the function
// in the types it declares and stores its status in lastStatus:
// - plain values go over with a cast: integers become GDI+'s enumerations,
//   native handles (void*, from getNativeHandle) the typed GDI+ pointers;
// - a toolkit record (RectF, RectI, PointF, PointI) becomes GDI+'s own record,
//   passed by value, by reference or by address as the function takes it;
// - recordBlock(array) stands for two parameters, a contiguous block of GDI+
//   records and their count; the block is copied back into the array after
//   the call. An empty array is refused with InvalidParameter without calling
//   GDI+, which would otherwise read through a null or dangling address;
// - wideText(text) stands for two parameters, a UTF-16 string and its length.
// forwardQuery<T>(function, arguments...) does the same and appends the
// address of a zero-initialised T for the answer, which it returns.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "imaging/gdiplus_call.h"
#include "imaging/system_api.h"
#include "imaging/text_conversion.h"
#include "imaging/toolkit_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

// The toolkit's records in GDI+'s layout and back.
inline Gdiplus::RectF toNative(const RectF& r) { return {r.x, r.y, r.width, r.height}; }
inline Gdiplus::Rect toNative(const RectI& r) { return {r.x, r.y, r.width, r.height}; }
inline Gdiplus::PointF toNative(const PointF& p) { return {p.x, p.y}; }
inline Gdiplus::Point toNative(const PointI& p) { return {p.x, p.y}; }
inline RectF fromNative(const Gdiplus::RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
inline RectI fromNative(const Gdiplus::Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }
inline PointF fromNative(const Gdiplus::PointF& p) { return {p.X, p.Y}; }
inline PointI fromNative(const Gdiplus::Point& p) { return {p.X, p.Y}; }

template <typename T>
concept ToolkitRecord = requires(const T& record) { toNative(record); };

// The native handle of an optional object argument; null when it is absent.
inline void* handleOf(const ToolkitObject* object) { return object ? object->getNativeHandle() : nullptr; }

// An array of toolkit records handed to GDI+ as a block and a count.
template <ToolkitRecord Record>
struct RecordBlock {
    std::vector<Record>& records;
};
template <ToolkitRecord Record>
RecordBlock<Record> recordBlock(std::vector<Record>& records) {
    return {records};
}

// A text handed to GDI+ as a UTF-16 string and its length in units: a UTF-8
// text is converted, a zero-terminated UTF-16 one passed as it is.
struct WideTextArgument {
    std::wstring converted;
    const wchar_t* borrowed = nullptr;
    bool owned = false;

    const wchar_t* text() const { return owned ? converted.c_str() : borrowed; }
    int length() const { return owned ? static_cast<int>(converted.size()) : (borrowed ? sys::lstrlenW(borrowed) : 0); }
};
inline WideTextArgument wideText(std::string_view text) { return {toWideText(text), nullptr, true}; }
inline WideTextArgument wideText(const wchar_t* text) { return {std::wstring(), text, false}; }

namespace forwarding {

// One argument converted to whatever parameter type the GDI+ function declares.
template <typename T>
struct Converted {
    T value;
    template <typename U>
    operator U() const {
        return static_cast<U>(value);
    }
};

// A record: GDI+ gets its own record by value, by reference or by address.
template <ToolkitRecord T>
struct Converted<T> {
    mutable decltype(toNative(std::declval<T>())) native;
    explicit Converted(const T& record) : native(toNative(record)) {}
    using Native = decltype(native);
    operator Native&() const { return native; }
    operator Native*() const { return &native; }
};

// How one argument of forwardGdiplus is prepared, expanded into the GDI+
// parameters and finished after the call.
template <typename T>
struct Prepared {
    const T& value;
    explicit Prepared(const T& v) : value(v) {}
    bool refused() const { return false; }
    auto parameters() const { return std::tuple<Converted<T>>(Converted<T>(value)); }
    void finish() {}
};

template <typename Record>
struct Prepared<RecordBlock<Record>> {
    using Native = decltype(toNative(std::declval<Record>()));
    std::vector<Record>& records;
    std::vector<Native> block;
    explicit Prepared(const RecordBlock<Record>& argument) : records(argument.records) {
        block.reserve(records.size());
        for (const Record& record : records) block.push_back(toNative(record));
    }
    bool refused() const { return block.empty(); }
    auto parameters() { return std::tuple<Native*, INT>(block.data(), static_cast<INT>(block.size())); }
    void finish() {
        for (std::size_t i = 0; i < block.size(); ++i) records[i] = fromNative(block[i]);
    }
};

template <>
struct Prepared<WideTextArgument> {
    const WideTextArgument& argument;
    explicit Prepared(const WideTextArgument& a) : argument(a) {}
    bool refused() const { return false; }
    auto parameters() const { return std::tuple<const WCHAR*, INT>(argument.text(), argument.length()); }
    void finish() {}
};

template <typename Fn, typename... Args, std::size_t... I>
bool forwardPrepared(const BoundFunction<Fn>& function, std::tuple<Prepared<Args>...>& prepared,
                     std::index_sequence<I...>) {
    if ((std::get<I>(prepared).refused() || ...)) return storeStatus(Gdiplus::InvalidParameter);
    auto parameters = std::tuple_cat(std::get<I>(prepared).parameters()...);
    const bool ok = std::apply([&](auto&... p) { return callGdiplus(function, p...); }, parameters);
    (std::get<I>(prepared).finish(), ...);
    return ok;
}

}  // namespace forwarding

template <typename Fn, typename... Args>
bool forwardGdiplus(const BoundFunction<Fn>& function, const Args&... args) {
    std::tuple<forwarding::Prepared<Args>...> prepared(args...);
    return forwarding::forwardPrepared<Fn, Args...>(function, prepared, std::index_sequence_for<Args...>{});
}

template <typename T, typename Fn, typename... Args>
T forwardQuery(const BoundFunction<Fn>& function, const Args&... args) {
    T value{};
    forwardGdiplus(function, args..., &value);
    return value;
}

// A GDI+ record written by the function, as the toolkit's record.
template <typename Native, typename Fn, typename... Args>
auto forwardRecordQuery(const BoundFunction<Fn>& function, const Args&... args) {
    return fromNative(forwardQuery<Native>(function, args...));
}

// A yes-or-no query: true only when GDI+ succeeded and answered nonzero.
template <typename Fn, typename... Args>
bool forwardTest(const BoundFunction<Fn>& function, const Args&... args) {
    BOOL answer = FALSE;
    return forwardGdiplus(function, args..., &answer) && answer != FALSE;
}

}  // namespace pixmora

namespace pixmora {

// The creating pattern over one GDI+ creator: release what the object holds,
// call the creator with the arguments and the typed field as its output,
// store the status and make every handle copy agree.
template <typename Handle, typename Release, typename Fn, typename... Args>
bool forwardCreating(ToolkitObject& object, Handle*& typedHandle, Release&& release,
                     const BoundFunction<Fn>& function, const Args&... args) {
    return runCreatingOperation(object, typedHandle, std::forward<Release>(release), [&](Handle** out) {
        forwardGdiplus(function, args..., out);
        return lastStatus;
    });
}

}  // namespace pixmora
