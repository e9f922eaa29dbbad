#pragma once
// Run-time binding of system functions by name.
//
// GDI+ and the other system functions the program uses are looked up in their
// library the first time they are called and the address is kept for later
// calls, so the executable has no load-time import of them and still starts
// where one is missing. A missing function makes the call give a fallback
// value instead of crashing.
#include <windows.h>

#include <type_traits>
#include <utility>

namespace pixmora {

class LibraryFunction {
public:
    constexpr LibraryFunction(const wchar_t* library, const char* name) noexcept
        : library_(library), name_(name) {}
    LibraryFunction(const LibraryFunction&) = delete;
    LibraryFunction& operator=(const LibraryFunction&) = delete;

    // The function's address, looked up once; nullptr when the library or the
    // function cannot be found (the failure is remembered as well).
    void* address() const noexcept;
    const char* name() const noexcept { return name_; }
    const wchar_t* library() const noexcept { return library_; }

private:
    const wchar_t* library_;
    const char* name_;
    mutable void* address_ = nullptr;
    mutable bool resolved_ = false;
};

// Fn is a pointer-to-function type, usually decltype(&SomeApiFunction) taken
// from the toolchain's headers; naming it in decltype creates no import.
template <typename Fn>
class BoundFunction : public LibraryFunction {
public:
    using LibraryFunction::LibraryFunction;

    Fn get() const noexcept { return reinterpret_cast<Fn>(address()); }
    bool available() const noexcept { return get() != nullptr; }

    // Calls the function; gives `fallback` when it is not available.
    template <typename R, typename... Args>
    R callOr(R fallback, Args&&... args) const {
        Fn fn = get();
        if (!fn) return fallback;
        return static_cast<R>(fn(std::forward<Args>(args)...));
    }

    // Calls the function; gives a value-initialised result (0, FALSE, nullptr)
    // when it is not available, or does nothing for a function without result.
    template <typename... Args>
    auto operator()(Args&&... args) const {
        using R = decltype(std::declval<Fn>()(std::forward<Args>(args)...));
        Fn fn = get();
        if constexpr (std::is_void_v<R>) {
            if (fn) fn(std::forward<Args>(args)...);
        } else {
            if (!fn) return R{};
            return fn(std::forward<Args>(args)...);
        }
    }
};

}  // namespace pixmora

// Declares `name` in the current namespace as the bound form of the system
// function ::name from `library`.
#define PIXMORA_BIND(library, name) \
    inline constinit ::pixmora::BoundFunction<decltype(&::name)> name{library, #name}
