#pragma once
// Output file names: the chosen folder, a prefix, six random letters or
// digits and ".JPG".
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pixmora {

inline constexpr std::string_view kNameAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz1234567890";
inline constexpr std::string_view kJoinOutputPrefix = "\\拼接图_";
inline constexpr std::string_view kSplitOutputPrefix = "\\分割图_";
inline constexpr std::string_view kOutputExtension = ".JPG";
inline constexpr int kOutputNameLength = 6;

// A source of uniformly random 32-bit words.
using RandomSource = std::function<std::uint32_t()>;

// The system's cryptographic generator, so that every run draws different
// names; a generator seeded from the clock and the process where that is not
// available.
RandomSource systemRandomSource();

// `length` characters drawn uniformly from kNameAlphabet.
std::string randomName(int length, const RandomSource& random);
std::string randomName(int length);

// folder + prefix + name + ".JPG", joined as they are: a drive root "D:\"
// gives two separators in a row, and no folder gives a path beginning with "\".
std::string outputPath(std::string_view folder, std::string_view prefix, std::string_view name);

// A fresh output path in `folder` whose file does not exist yet: a drawn name
// that is taken is drawn again (a bounded number of times).
std::string chooseOutputPath(std::string_view folder, std::string_view prefix, const RandomSource& random);
std::string chooseOutputPath(std::string_view folder, std::string_view prefix);

}  // namespace pixmora
