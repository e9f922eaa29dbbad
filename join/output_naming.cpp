#include "join/output_naming.h"

#include <windows.h>
#include <bcrypt.h>

#include <memory>
#include <random>

#include "imaging/runtime_binding.h"
#include "imaging/text_conversion.h"

namespace pixmora {
namespace {

PIXMORA_BIND(L"bcrypt.dll", BCryptGenRandom);

// Drawn names taken in the folder before giving up and using the last one.
constexpr int kNameAttempts = 100;

bool cryptographicWord(std::uint32_t& word) {
    return BCryptGenRandom.callOr(static_cast<NTSTATUS>(-1), nullptr, reinterpret_cast<PUCHAR>(&word),
                                  static_cast<ULONG>(sizeof word), BCRYPT_USE_SYSTEM_PREFERRED_RNG) == 0;
}

// Differs between runs even without a cryptographic generator.
std::uint64_t fallbackSeed() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return static_cast<std::uint64_t>(counter.QuadPart) ^ (std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime) ^
           (std::uint64_t{GetCurrentProcessId()} << 40) ^ GetTickCount64();
}

// An index in [0, bound), uniform: words from the top, incomplete round of
// `bound` values are drawn again.
std::uint32_t uniformIndex(const RandomSource& random, std::uint32_t bound) {
    const std::uint32_t limit = UINT32_MAX - UINT32_MAX % bound;  // a multiple of bound
    for (;;) {
        const std::uint32_t word = random();
        if (word < limit) return word % bound;
    }
}

bool pathExists(const std::string& path) {
    return GetFileAttributesW(toWideText(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

RandomSource systemRandomSource() {
    auto fallback = std::make_shared<std::mt19937_64>(fallbackSeed());
    return [fallback]() -> std::uint32_t {
        std::uint32_t word = 0;
        if (cryptographicWord(word)) return word;
        return static_cast<std::uint32_t>((*fallback)() >> 32);
    };
}

std::string randomName(int length, const RandomSource& random) {
    std::string name;
    for (int i = 0; i < length; ++i)
        name += kNameAlphabet[uniformIndex(random, static_cast<std::uint32_t>(kNameAlphabet.size()))];
    return name;
}

std::string randomName(int length) { return randomName(length, systemRandomSource()); }

std::string outputPath(std::string_view folder, std::string_view prefix, std::string_view name) {
    std::string path(folder);
    path += prefix;
    path += name;
    path += kOutputExtension;
    return path;
}

std::string chooseOutputPath(std::string_view folder, std::string_view prefix, const RandomSource& random) {
    std::string path;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = outputPath(folder, prefix, randomName(kOutputNameLength, random));
        if (!pathExists(path)) break;
    }
    return path;
}

std::string chooseOutputPath(std::string_view folder, std::string_view prefix) {
    return chooseOutputPath(folder, prefix, systemRandomSource());
}

}  // namespace pixmora
