#pragma once
// The command line of pixmora-cli, parsed without touching any file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora::cli {

enum class Command { join, split };

struct Options {
    Command command = Command::join;
    bool stacked = false;
    int rows = 1;
    int cols = 1;
    int thickness = 1;
    std::uint32_t colour = 0x00FFFFFF;  // Windows colour 0x00BBGGRR, as the colour picker gives it
    bool border = true;
    std::optional<std::string> format;  // format GUID text; none: the first picture's own
    std::string formatName;             // the name given with --format, for messages
    bool timings = false;
    std::string output;
    std::vector<std::string> pictures;
};

// What the command line asks for: a run, help, the version, or a usage error.
struct ParsedCommandLine {
    enum class Kind { run, help, version, usageError } kind = Kind::usageError;
    Options options;
    std::string error;  // for usageError: what is wrong, one line
};

// `arguments` excludes the program name; texts are UTF-8. --help and
// --version anywhere before "--" win over everything else.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string_view usageText();

}  // namespace pixmora::cli
