#include "cli/cli_options.h"

#include <cctype>
#include <charconv>
#include <utility>

#include "imaging/guid_text.h"

namespace pixmora::cli {
namespace {

constexpr int kLargestNumber = 10000;

bool parseWhole(std::string_view text, int lowest, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < lowest || parsed > kLargestNumber)
        return false;
    value = parsed;
    return true;
}

bool parseColour(std::string_view text, std::uint32_t& colour) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 6, rgb, 16);
    if (error != std::errc() || end != text.data() + 6) return false;
    // RRGGBB as written by people; the program's colour is 0x00BBGGRR.
    colour = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    return true;
}

// The format GUID text for a name; "" for "source" (the first picture's own),
// none for a name not known.
std::optional<std::string> formatNamed(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "source") return std::string();
    if (lower == "jpeg" || lower == "jpg") return kJpegFormatText;
    if (lower == "png") return kPngFormatText;
    if (lower == "bmp") return kBmpFormatText;
    if (lower == "gif") return kGifFormatText;
    if (lower == "tiff" || lower == "tif") return kTiffFormatText;
    return std::nullopt;
}

ParsedCommandLine usageError(std::string message) {
    ParsedCommandLine parsed;
    parsed.kind = ParsedCommandLine::Kind::usageError;
    parsed.error = std::move(message);
    return parsed;
}

}  // namespace

std::string_view usageText() {
    return "usage:\n"
           "  pixmora-cli join  [options] -o OUT PICTURE1 [PICTURE2 [PICTURE3 [PICTURE4]]]\n"
           "  pixmora-cli split [options] -o OUT PICTURE\n"
           "options:\n"
           "  --stacked          join only: one above the other (default: side by side)\n"
           "  --rows R           split only: horizontal bands (default 1)\n"
           "  --cols C           split only: vertical bands (default 1)\n"
           "  --thickness N      bar and line thickness in pixels (default 1)\n"
           "  --colour RRGGBB    bar and line colour, hex, with or without '#' (default FFFFFF)\n"
           "  --no-border        no bottom and right edge bars or lines (default: drawn)\n"
           "  --format F         source (default: the first picture's own format), jpeg, png, bmp, gif or tiff\n"
           "  --timings          print the time of each phase (decode, draw, encode, write) to standard error\n"
           "  --help, --version\n";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    if (arguments.empty()) return usageError("no command given");
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument == "--help" || argument == "-h") {
            parsed.kind = ParsedCommandLine::Kind::help;
            return parsed;
        }
        if (argument == "--version") {
            parsed.kind = ParsedCommandLine::Kind::version;
            return parsed;
        }
    }
    Options& options = parsed.options;
    if (arguments[0] == "join") options.command = Command::join;
    else if (arguments[0] == "split") options.command = Command::split;
    else return usageError("unknown command '" + arguments[0] + "'");
    const bool join = options.command == Command::join;
    bool onlyPicturesFollow = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyPicturesFollow || argument.empty() || argument[0] != '-' || argument == "-") {
            options.pictures.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyPicturesFollow = true;
            continue;
        }
        auto value = [&]() -> const std::string* {
            return i + 1 < arguments.size() ? &arguments[++i] : nullptr;
        };
        if (argument == "--stacked" && join) {
            options.stacked = true;
        } else if (argument == "--no-border") {
            options.border = false;
        } else if (argument == "--timings") {
            options.timings = true;
        } else if (argument == "-o") {
            const std::string* output = value();
            if (!output || output->empty()) return usageError("-o needs the output file");
            options.output = *output;
        } else if ((argument == "--rows" || argument == "--cols") && !join) {
            const std::string* number = value();
            int& target = argument == "--rows" ? options.rows : options.cols;
            if (!number || !parseWhole(*number, 1, target))
                return usageError(argument + " needs a whole number from 1 to 10000");
        } else if (argument == "--thickness") {
            const std::string* number = value();
            if (!number || !parseWhole(*number, 0, options.thickness))
                return usageError("--thickness needs a whole number from 0 to 10000");
        } else if (argument == "--colour" || argument == "--color") {
            const std::string* colour = value();
            if (!colour || !parseColour(*colour, options.colour))
                return usageError("--colour needs six hexadecimal digits, RRGGBB");
        } else if (argument == "--format") {
            const std::string* name = value();
            const std::optional<std::string> format = name ? formatNamed(*name) : std::nullopt;
            if (!format) return usageError("--format needs one of source, jpeg, png, bmp, gif, tiff");
            options.format = format->empty() ? std::nullopt : format;
            options.formatName = *name;
        } else {
            return usageError("unknown option '" + argument + "' for " + arguments[0]);
        }
    }
    if (options.output.empty()) return usageError("no output file given (-o OUT)");
    if (join && (options.pictures.empty() || options.pictures.size() > 4))
        return usageError("join takes one to four pictures");
    if (!join && options.pictures.size() != 1) return usageError("split takes exactly one picture");
    parsed.kind = ParsedCommandLine::Kind::run;
    return parsed;
}

}  // namespace pixmora::cli
