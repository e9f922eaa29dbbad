#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "imaging/guid_text.h"

namespace pixmora::cli {
namespace {

using Kind = ParsedCommandLine::Kind;

struct AcceptedCase {
    std::vector<std::string> arguments;
    Command command;
    bool stacked;
    int rows, cols, thickness;
    std::uint32_t colour;  // 0x00BBGGRR
    bool border;
    std::optional<std::string> format;
    bool timings;
    std::string output;
    std::vector<std::string> pictures;
};

TEST(CliOptions, AcceptedCommandLinesGiveTheirSettings) {
    const std::vector<AcceptedCase> cases = {
        {{"join", "-o", "out.jpg", "a.jpg"}, Command::join, false, 1, 1, 1, 0xFFFFFF, true, std::nullopt, false,
         "out.jpg", {"a.jpg"}},
        {{"join", "a.jpg", "b.png", "-o", "o", "c.bmp", "d.gif"}, Command::join, false, 1, 1, 1, 0xFFFFFF, true,
         std::nullopt, false, "o", {"a.jpg", "b.png", "c.bmp", "d.gif"}},
        {{"join", "--stacked", "--thickness", "0", "--colour", "#FF8000", "--no-border", "--format", "PNG",
          "--timings", "-o", "x", "a"},
         Command::join, true, 1, 1, 0, 0x0080FF, false, kPngFormatText, true, "x", {"a"}},
        {{"split", "--rows", "3", "--cols", "12", "--color", "0a0B0c", "-o", "x", "p"}, Command::split, false, 3,
         12, 1, 0x0C0B0A, true, std::nullopt, false, "x", {"p"}},
        {{"split", "--format", "jpg", "--format", "source", "-o", "x", "p"}, Command::split, false, 1, 1, 1,
         0xFFFFFF, true, std::nullopt, false, "x", {"p"}},
        {{"split", "--format", "tif", "-o", "first", "-o", "last", "p"}, Command::split, false, 1, 1, 1, 0xFFFFFF,
         true, kTiffFormatText, false, "last", {"p"}},
        // After "--" everything is a picture, even a name that looks like an option.
        {{"join", "-o", "x", "--", "--stacked", "-b.png"}, Command::join, false, 1, 1, 1, 0xFFFFFF, true,
         std::nullopt, false, "x", {"--stacked", "-b.png"}},
        {{"split", "-o", "-", "-"}, Command::split, false, 1, 1, 1, 0xFFFFFF, true, std::nullopt, false, "-", {"-"}},
        {{"join", "-o", "输出 文件.jpg", "图片 一.png"}, Command::join, false, 1, 1, 1, 0xFFFFFF, true, std::nullopt,
         false, "输出 文件.jpg", {"图片 一.png"}},
    };
    for (const AcceptedCase& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        SCOPED_TRACE(c.arguments.size() > 1 ? c.arguments[0] + " " + c.arguments[1] : c.arguments[0]);
        ASSERT_EQ(parsed.kind, Kind::run) << parsed.error;
        const Options& o = parsed.options;
        EXPECT_EQ(o.command, c.command);
        EXPECT_EQ(o.stacked, c.stacked);
        EXPECT_EQ(o.rows, c.rows);
        EXPECT_EQ(o.cols, c.cols);
        EXPECT_EQ(o.thickness, c.thickness);
        EXPECT_EQ(o.colour, c.colour);
        EXPECT_EQ(o.border, c.border);
        EXPECT_EQ(o.format, c.format);
        EXPECT_EQ(o.timings, c.timings);
        EXPECT_EQ(o.output, c.output);
        EXPECT_EQ(o.pictures, c.pictures);
    }
}

struct RefusedCase {
    std::vector<std::string> arguments;
    std::string errorPart;  // a part of the one-line error
};

TEST(CliOptions, UsageErrorsSayWhatIsWrong) {
    const std::vector<RefusedCase> cases = {
        {{}, "no command"},
        {{"merge", "-o", "x", "a"}, "unknown command 'merge'"},
        {{"join", "a.jpg"}, "-o OUT"},
        {{"join", "-o"}, "-o needs"},
        {{"join", "-o", "", "a"}, "-o needs"},
        {{"join", "-o", "x"}, "one to four"},
        {{"join", "-o", "x", "1", "2", "3", "4", "5"}, "one to four"},
        {{"split", "-o", "x"}, "exactly one"},
        {{"split", "-o", "x", "a", "b"}, "exactly one"},
        {{"join", "--rows", "2", "-o", "x", "a"}, "unknown option '--rows' for join"},
        {{"split", "--stacked", "-o", "x", "a"}, "unknown option '--stacked' for split"},
        {{"split", "--rows", "0", "-o", "x", "a"}, "--rows needs"},
        {{"split", "--cols", "2.5", "-o", "x", "a"}, "--cols needs"},
        {{"split", "--rows", "10001", "-o", "x", "a"}, "--rows needs"},
        {{"split", "--rows"}, "--rows needs"},
        {{"join", "--thickness", "-1", "-o", "x", "a"}, "--thickness needs"},
        {{"join", "--thickness", "4px", "-o", "x", "a"}, "--thickness needs"},
        {{"join", "--colour", "FFF", "-o", "x", "a"}, "--colour needs"},
        {{"join", "--colour", "GG0000", "-o", "x", "a"}, "--colour needs"},
        {{"join", "--colour", "##FF0000", "-o", "x", "a"}, "--colour needs"},
        {{"join", "--colour", "-FFFFF", "-o", "x", "a"}, "--colour needs"},
        {{"join", "--format", "webp", "-o", "x", "a"}, "--format needs"},
        {{"join", "--format"}, "--format needs"},
        {{"join", "--bogus", "-o", "x", "a"}, "unknown option '--bogus'"},
    };
    for (const RefusedCase& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        std::string shown;
        for (const std::string& a : c.arguments) shown += a + " ";
        SCOPED_TRACE(shown);
        EXPECT_EQ(parsed.kind, Kind::usageError);
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(CliOptions, HelpAndVersionWinOverEverythingBeforeTheSeparator) {
    EXPECT_EQ(parseCommandLine({"--help"}).kind, Kind::help);
    EXPECT_EQ(parseCommandLine({"-h"}).kind, Kind::help);
    EXPECT_EQ(parseCommandLine({"join", "--bogus", "--help"}).kind, Kind::help);
    EXPECT_EQ(parseCommandLine({"--version"}).kind, Kind::version);
    EXPECT_EQ(parseCommandLine({"split", "--version", "-o"}).kind, Kind::version);
    // After "--" it is the name of a picture.
    const ParsedCommandLine picture = parseCommandLine({"join", "-o", "x", "--", "--help"});
    ASSERT_EQ(picture.kind, Kind::run);
    EXPECT_EQ(picture.options.pictures, std::vector<std::string>{"--help"});
}

}  // namespace
}  // namespace pixmora::cli
