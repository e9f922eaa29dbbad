#pragma once
// Helpers for the join and split tests: exact rectangle comparison and a
// picture file no encoder can write.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "imaging/toolkit_types.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

inline bool operator==(const RectF& a, const RectF& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline void PrintTo(const RectF& r, std::ostream* out) {
    *out << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

namespace testing {

// An enhanced metafile with one filled rectangle: a picture GDI+ reads but
// has no encoder for.
inline void writeMetafile(const std::filesystem::path& path) {
    HDC dc = CreateEnhMetaFileW(nullptr, path.c_str(), nullptr, nullptr);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 0, 0, 40, 30);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
}

// Tests whose pictures are files in a fresh temporary folder.
class PictureFolderTest : public ::testing::Test {
protected:
    // Writes the picture in a format (GUID text) and gives its path.
    std::string write(const std::string& name, const Picture& picture, const char* format) {
        const std::string path = folder.file(name);
        writePicture(textPath(path), picture, format);
        return path;
    }
    std::string writeBytes(const std::string& name, const ByteArray& bytes) {
        const std::string path = folder.file(name);
        writeWholeFile(textPath(path), bytes);
        return path;
    }
    TemporaryFolder folder;
};

}  // namespace testing
}  // namespace pixmora
