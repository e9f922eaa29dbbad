#include "tests/support/temporary_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace pixmora::testing {

TemporaryFolder::TemporaryFolder() {
    static unsigned counter = 0;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("pixmora-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount()) + "-" + std::to_string(++counter));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    // Read-only files left by a test would stop the removal.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::file(std::string_view name) const { return pathText(path_ / textPath(name)); }

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path textPath(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

ByteArray readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteArray(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::filesystem::path& path, const ByteArray& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace pixmora::testing
