#pragma once
// Value types shared by the toolkit and its callers.
#include <cstdint>
#include <vector>

namespace pixmora {

// A counted byte buffer owned by whoever holds it: whole files and encoded pictures.
using ByteArray = std::vector<std::uint8_t>;

struct SizeF {
    float width = 0;
    float height = 0;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

struct PointF {
    float x = 0;
    float y = 0;
};

struct PointI {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct RectI {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// GDI+ pixel formats the program names.
inline constexpr std::int32_t kPixelFormat32bppRGB = 0x22009;
inline constexpr std::int32_t kPixelFormat32bppARGB = 0x26200A;

// GDI+ status values the toolkit sets itself.
inline constexpr int kStatusOk = 0;
inline constexpr int kStatusGenericError = 1;
inline constexpr int kStatusInvalidParameter = 2;

}  // namespace pixmora
