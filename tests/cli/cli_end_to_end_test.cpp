// The real pixmora-cli.exe, run as a child process: exit status, messages,
// the file it writes (the same pixels as the window's composition) and the
// files it must leave alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "imaging/guid_text.h"
#include "join/join_composition.h"
#include "split/split_composition.h"
#include "tests/cli/cli_process.h"
#include "tests/support/composition_support.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::CliRun;
using testing::runCli;

constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kYellow = 0xFFFFFF00;
constexpr std::uint32_t kGreen = 0xFF00FF00;

std::set<std::string> folderEntries(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(testing::pathText(entry.path().filename()));
    return names;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class CliEndToEnd : public testing::PictureFolderTest {
protected:
    void SetUp() override {
        first = write("first.png", testing::quadrantPicture(40, 30, kBlue, kYellow, kYellow, kBlue), kPngFormatText);
        second = write("second.bmp", testing::solidPicture(20, 50, kYellow), kBmpFormatText);
    }
    std::string first, second;
};

TEST_F(CliEndToEnd, JoinWritesTheWindowsPicture) {
    const std::string out = folder.file("joined 拼接.out");
    const CliRun run = runCli({"join", "--thickness", "4", "--colour", "00ff00", "-o", out, first, second});
    ASSERT_TRUE(run.started);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitStatus, 0u) << run.standardError;
    EXPECT_EQ(run.standardError, "");
    const testing::DecodedPicture written = testing::decodePictureFile(testing::textPath(out));
    ASSERT_TRUE(written.loaded);
    EXPECT_EQ(written.format, kPngFormatText);  // slot 1's format
    ASSERT_EQ(written.picture.width, 80);
    ASSERT_EQ(written.picture.height, 50);
    EXPECT_EQ(written.picture.at(39, 25), kGreen);  // the divider over the seam
    EXPECT_EQ(written.picture.at(79, 10), kGreen);  // the right edge bar

    JoinSettings settings;
    settings.slotPaths = {first, second, std::nullopt, std::nullopt};
    settings.count = 2;
    settings.thickness = 4;
    settings.barColour = 0x00FF00;
    const ComposedPicture window = composeJoin(settings);
    ASSERT_EQ(window.problem, ComposeProblem::none);
    const testing::DecodedPicture expected = testing::decodePicture(window.bytes);
    EXPECT_EQ(written.picture.pixels, expected.picture.pixels);
    EXPECT_EQ(folderEntries(folder.path()), (std::set<std::string>{"first.png", "second.bmp", "joined 拼接.out"}));
}

TEST_F(CliEndToEnd, SplitInAnotherFormatWritesTheWindowsPictureInThatFormat) {
    const std::string out = folder.file("split.jpg");
    const CliRun run =
        runCli({"split", "--rows", "3", "--cols", "2", "--thickness", "2", "--no-border", "--format", "bmp", "-o",
                out, first});
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitStatus, 0u) << run.standardError;
    const testing::DecodedPicture written = testing::decodePictureFile(testing::textPath(out));
    ASSERT_TRUE(written.loaded);
    EXPECT_EQ(written.format, kBmpFormatText);

    SplitSettings settings;
    settings.sourcePath = first;
    settings.rows = 3;
    settings.columns = 2;
    settings.thickness = 2;
    settings.border = false;
    settings.outputFormat = kBmpFormatText;
    const ComposedPicture window = composeSplit(settings);
    ASSERT_EQ(window.problem, ComposeProblem::none);
    EXPECT_EQ(written.picture.pixels, testing::decodePicture(window.bytes).picture.pixels);
    EXPECT_EQ(written.picture.at(10, 9), 0xFFFFFFFF);  // the first cut line ends at row 10
    EXPECT_EQ(written.picture.at(10, 29), kYellow);    // no edge line
}

TEST_F(CliEndToEnd, TimingsNameEveryPhase) {
    const CliRun run = runCli({"join", "--timings", "-o", folder.file("t.png"), first});
    EXPECT_EQ(run.exitStatus, 0u) << run.standardError;
    for (const char* phase : {"decode", "draw", "encode", "write"}) EXPECT_TRUE(contains(run.standardError, phase));
}

TEST_F(CliEndToEnd, UsageErrorsExitWithTwoAndTheUsage) {
    const std::string out = folder.file("never.png");
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{}, {"join", out}, {"split", "--rows", "x", "-o", out, first},
                                               {"join", "-o", out, first, first, first, first, first}}) {
        const CliRun run = runCli(arguments);
        ASSERT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitStatus, 2u);
        EXPECT_TRUE(contains(run.standardError, "usage:")) << run.standardError;
        EXPECT_EQ(run.standardOutput, "");
    }
    EXPECT_FALSE(std::filesystem::exists(testing::textPath(out)));
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitStatus, 0u);
    EXPECT_TRUE(contains(help.standardOutput, "usage:"));
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.exitStatus, 0u);
    EXPECT_TRUE(contains(version.standardOutput, "pixmora-cli"));
}

// The message names the picture that failed, in UTF-8 on a redirected
// standard error, and nothing is written: an output already there keeps its bytes.
TEST_F(CliEndToEnd, AnUnreadablePictureIsNamedAndNothingIsWritten) {
    const std::string out = folder.file("kept.png");
    const ByteArray old = {'o', 'l', 'd'};
    testing::writeWholeFile(testing::textPath(out), old);
    const std::string damaged = writeBytes("坏图 片.png", ByteArray(100, 0x42));
    const std::string missing = folder.file("missing.png");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"join", "-o", out, first, damaged}, "第2张图片无法解码"},
        {{"join", "-o", out, first, second, missing}, "无法读取第3张图片"},
        {{"join", "-o", out, folder.file("")}, "无法读取第1张图片"},
        {{"split", "-o", out, damaged}, "源图片无法解码"},
    };
    const auto before = folderEntries(folder.path());
    for (const Case& c : cases) {
        const CliRun run = runCli(c.arguments);
        ASSERT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitStatus, 1u);
        EXPECT_TRUE(contains(run.standardError, c.message)) << run.standardError;
        EXPECT_TRUE(contains(run.standardError, c.arguments.back())) << run.standardError;
        // One line.
        EXPECT_EQ(run.standardError.find('\n'), run.standardError.size() - 1) << run.standardError;
        EXPECT_EQ(testing::readWholeFile(testing::textPath(out)), old);
    }
    EXPECT_EQ(folderEntries(folder.path()), before);
}

// A picture GDI+ reads but writes in no format: refused unless another
// format is asked for.
TEST_F(CliEndToEnd, AFormatWithoutEncoderIsRefusedUnlessAnotherIsAsked) {
    const std::string metafile = folder.file("drawing.emf");
    testing::writeMetafile(testing::textPath(metafile));
    const std::string out = folder.file("out.png");
    const CliRun refused = runCli({"split", "-o", out, metafile});
    EXPECT_EQ(refused.exitStatus, 1u);
    EXPECT_TRUE(contains(refused.standardError, "--format")) << refused.standardError;
    EXPECT_FALSE(std::filesystem::exists(testing::textPath(out)));
    const CliRun converted = runCli({"split", "--format", "png", "-o", out, metafile});
    EXPECT_EQ(converted.exitStatus, 0u) << converted.standardError;
    EXPECT_EQ(testing::decodePictureFile(testing::textPath(out)).format, kPngFormatText);
}

TEST_F(CliEndToEnd, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    // A read-only output file.
    const std::string readOnly = folder.file("protected.png");
    const ByteArray old = {1, 2, 3};
    testing::writeWholeFile(testing::textPath(readOnly), old);
    SetFileAttributesW(testing::textPath(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
    const CliRun protectedRun = runCli({"join", "-o", readOnly, first});
    EXPECT_EQ(protectedRun.exitStatus, 1u);
    EXPECT_TRUE(contains(protectedRun.standardError, "保存失败")) << protectedRun.standardError;
    EXPECT_TRUE(contains(protectedRun.standardError, "只读")) << protectedRun.standardError;
    EXPECT_EQ(testing::readWholeFile(testing::textPath(readOnly)), old);

    // A folder that was removed.
    const std::filesystem::path gone = folder.path() / "gone";
    std::filesystem::create_directory(gone);
    std::filesystem::remove(gone);
    const std::string inGone = testing::pathText(gone / "out.png");
    const CliRun goneRun = runCli({"split", "-o", inGone, first});
    EXPECT_EQ(goneRun.exitStatus, 1u);
    EXPECT_TRUE(contains(goneRun.standardError, "文件夹不存在")) << goneRun.standardError;
    EXPECT_FALSE(std::filesystem::exists(gone));
    EXPECT_EQ(folderEntries(folder.path()), (std::set<std::string>{"first.png", "second.bmp", "protected.png"}));
}

TEST_F(CliEndToEnd, ARelativeOutputGoesToTheCurrentFolderAndReplacesTheOldFile) {
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    // The child inherits this process's current folder.
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path().c_str()));
    testing::writeWholeFile(folder.path() / "relative.png", ByteArray{9, 9});
    const CliRun run = runCli({"split", "-o", "relative.png", "first.png"});
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(run.exitStatus, 0u) << run.standardError;
    const testing::DecodedPicture written = testing::decodePictureFile(folder.path() / "relative.png");
    EXPECT_TRUE(written.loaded);
    EXPECT_EQ(written.picture.width, 40);
}

}  // namespace
}  // namespace pixmora
