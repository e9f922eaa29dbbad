#pragma once
// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
#include <filesystem>
#include <string>
#include <string_view>

#include "imaging/toolkit_types.h"

namespace pixmora::testing {

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The UTF-8 text of a path inside the folder.
    std::string file(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// UTF-8 text of a path, and a path from UTF-8 text.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path textPath(std::string_view text);

ByteArray readWholeFile(const std::filesystem::path& path);
void writeWholeFile(const std::filesystem::path& path, const ByteArray& bytes);

}  // namespace pixmora::testing
