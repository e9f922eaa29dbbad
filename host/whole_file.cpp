#include "host/whole_file.h"

#include <algorithm>
#include <string>

#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

// Larger files are refused rather than read into memory.
constexpr ULONGLONG kLargestReadableFile = 1ull << 30;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void close() {
        if (valid()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const ByteArray& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 26));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) return false;
        written += done;
    }
    return true;
}

}  // namespace

ByteArray readWholeFile(std::string_view path) {
    if (path.empty()) return {};
    const std::wstring widePath = toWideText(path);
    FileHandle file(CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return {};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<ULONGLONG>(size.QuadPart) > kLargestReadableFile)
        return {};
    ByteArray bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t read = 0;
    while (read < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - read, 1u << 26));
        DWORD done = 0;
        if (!ReadFile(file.get(), bytes.data() + read, chunk, &done, nullptr)) return {};
        if (done == 0) break;
        read += done;
    }
    bytes.resize(read);
    return bytes;
}

DWORD writeWholeFileReplacing(std::string_view path, const ByteArray& bytes) {
    if (path.empty()) return ERROR_INVALID_NAME;
    const std::wstring target = toWideText(path);
    // A read-only file is not replaced: renaming over it would succeed on some
    // systems and lose the protection the user gave it.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ERROR_DIRECTORY;
        if (attributes & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
    }
    std::wstring temporary;
    DWORD error = ERROR_SUCCESS;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
        FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return error;
        }
        const bool complete = writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
        error = complete ? ERROR_SUCCESS : GetLastError();
        file.close();
        if (complete && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return ERROR_SUCCESS;
        if (complete) error = GetLastError();
        DeleteFileW(temporary.c_str());
        return error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
    }
    return error;
}

}  // namespace pixmora::host
