// The generated bad-input corpus (make_corpus.py) through pixmora-cli and
// through the window's composition in this process: no crash, no hang, the
// right exit status and message, nothing written on failure and no file
// changed but the chosen output.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/cli_paths.h"
#include "host/whole_file.h"
#include "imaging/bitmap_object.h"
#include "imaging/encoders.h"
#include "imaging/guid_text.h"
#include "join/join_composition.h"
#include "split/split_composition.h"
#include "tests/cli/cli_process.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::runCli;

struct CorpusCase {
    std::string name;
    std::string path;         // UTF-8, Windows form
    std::string expectation;  // picture, undecodable, unencodable
};

fs::path corpusFolder() { return testing::textPath(testing::windowsPath(PIXMORA_CORPUS)); }

std::vector<CorpusCase> corpusCases() {
    std::vector<CorpusCase> cases;
    std::ifstream list(corpusFolder() / "cases.txt", std::ios::binary);
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        CorpusCase c;
        std::string relative;
        if (!std::getline(fields, c.name, '\t') || !std::getline(fields, relative, '\t') ||
            !std::getline(fields, c.expectation))
            continue;
        c.path = testing::pathText((corpusFolder() / testing::textPath(relative)).make_preferred());
        cases.push_back(c);
    }
    return cases;
}

// Every case file with its bytes and the corpus folder's entries, to see
// that nothing changed them or appeared beside them.
std::map<std::string, ByteArray> snapshot(const std::vector<CorpusCase>& cases) {
    std::map<std::string, ByteArray> files;
    for (const CorpusCase& c : cases) files[c.path] = host::readWholeFile(cli::usablePath(c.path));
    for (const auto& entry : fs::directory_iterator(corpusFolder())) files[testing::pathText(entry.path())];
    return files;
}

// Whether this GDI+ writes GIF files that read back: Wine's GIF encoder
// writes a header without pixels from a 32-bit canvas, which the composition
// refuses as an encoding failure; Windows' encoder writes the picture.
bool gifEncoderWorks() {
    BitmapObject bitmap;
    if (!bitmap.createBitmapFromScan0(8, 8, kPixelFormat32bppRGB)) return false;
    return testing::decodePicture(bitmap.saveImageToStream(std::string(kGifFormatText))).loaded;
}

std::string ownFormat(const std::string& path) {
    return testing::decodePictureFile(testing::textPath(path)).format;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Runs `work` on a thread of its own and gives up on it after a while: a
// decoder that hangs fails the test and ends the program instead of holding
// up the whole run.
void boundedInTime(const std::string& what, const std::function<void()>& work) {
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread(std::move(task)).detach();
    if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
        ADD_FAILURE() << what << " did not end within a minute";
        std::fflush(nullptr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    done.get();
}

// Whether this system's GDI+ can write the picture's own format. An icon is
// read by every GDI+, but Windows reports it in the icon format, which has no
// encoder, while Wine reports a decoded icon as a BMP and so writes it.
bool hasEncoderForOwnFormat(const std::string& path) {
    const testing::DecodedPicture decoded = testing::decodePictureFile(testing::textPath(path));
    return decoded.loaded && !encoderClsidForFormat(decoded.format).empty();
}

class BadInput : public ::testing::Test {
protected:
    void SetUp() override {
        cases = corpusCases();
        ASSERT_GE(cases.size(), 18u) << "the corpus is missing: " << testing::pathText(corpusFolder());
        for (const CorpusCase& c : cases)
            if (c.name == "good-jpeg") good = c.path;
        ASSERT_FALSE(good.empty());
    }

    // Runs pixmora-cli writing to a fresh output that holds old bytes, and
    // checks the outcome: written (decodable, `width` x `height` when given)
    // or refused with status 1, a one-line message with `message`, and the
    // old bytes kept. Nothing else in the output folder may appear.
    void expectRun(const std::vector<std::string>& arguments, bool written, const std::string& message,
                   int width = 0, int height = 0) {
        testing::TemporaryFolder out;
        const std::string target = out.file("out.img");
        const ByteArray old = {'o', 'l', 'd'};
        testing::writeWholeFile(testing::textPath(target), old);
        std::vector<std::string> full = {arguments[0], "-o", target};
        full.insert(full.end(), arguments.begin() + 1, arguments.end());
        const CliRun run = runCli(full, 30000);
        ASSERT_TRUE(run.started);
        ASSERT_FALSE(run.timedOut) << "pixmora-cli hung and was killed";
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(out.path())) ++entries;
        EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
        if (written) {
            EXPECT_EQ(run.exitStatus, 0u) << run.standardError;
            const testing::DecodedPicture picture = testing::decodePictureFile(testing::textPath(target));
            ASSERT_TRUE(picture.loaded);
            if (width) {
                EXPECT_EQ(picture.picture.width, width);
                EXPECT_EQ(picture.picture.height, height);
            }
        } else {
            EXPECT_EQ(run.exitStatus, 1u) << run.standardError;
            EXPECT_TRUE(contains(run.standardError, message)) << run.standardError;
            EXPECT_EQ(run.standardError.find('\n'), run.standardError.size() - 1) << run.standardError;
            EXPECT_EQ(testing::readWholeFile(testing::textPath(target)), old);
        }
    }

    std::vector<CorpusCase> cases;
    std::string good;
};

TEST_F(BadInput, CommandLineRefusesWhatItCannotReadAndComposesTheRest) {
    const auto before = snapshot(cases);
    for (const CorpusCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.expectation == "picture") {
            const testing::DecodedPicture source = testing::decodePictureFile(testing::textPath(c.path));
            ASSERT_TRUE(source.loaded);
            const bool writable = source.format != kGifFormatText || gifEncoderWorks();
            expectRun({"split", c.path}, writable, "图片编码失败", source.picture.width, source.picture.height);
            expectRun({"join", c.path, good}, writable, "图片编码失败");
            expectRun({"join", "--format", "png", c.path, good}, true, "");
        } else if (c.expectation == "undecodable") {
            // A folder cannot be opened at all; the other files open but do not decode.
            const auto message = [&](const std::string& picture) {
                return c.name == "directory" ? "无法读取" + picture : picture + "无法解码";
            };
            expectRun({"split", c.path}, false, message("源图片"));
            expectRun({"join", c.path, good}, false, message("第1张图片"));
            expectRun({"join", good, c.path}, false, message("第2张图片"));
        } else {
            ASSERT_EQ(c.expectation, "unencodable");
            const bool encodable = hasEncoderForOwnFormat(c.path);
            expectRun({"split", c.path}, encodable, "--format");
            expectRun({"split", "--format", "png", c.path}, true, "");
            expectRun({"join", good, c.path}, true, "");  // the output takes picture 1's format
        }
    }
    EXPECT_EQ(snapshot(cases), before);
}

TEST_F(BadInput, WindowsCompositionGivesAPictureOrAProblemButNeverFails) {
    for (const CorpusCase& c : cases) {
        SCOPED_TRACE(c.name);
        JoinSettings join;
        join.slotPaths = {c.path, good, std::nullopt, std::nullopt};
        join.count = 2;
        SplitSettings split;
        split.sourcePath = c.path;
        ComposedPicture joined, splitted;
        boundedInTime(c.name, [&] {
            joined = composeJoin(join);
            splitted = composeSplit(split);
        });
        if (c.expectation == "picture") {
            const ComposeProblem expected = ownFormat(c.path) != kGifFormatText || gifEncoderWorks()
                                                ? ComposeProblem::none
                                                : ComposeProblem::encodingFailed;
            EXPECT_EQ(joined.problem, expected);
            EXPECT_EQ(splitted.problem, expected);
            if (expected == ComposeProblem::none) {
                EXPECT_TRUE(testing::decodePicture(splitted.bytes).loaded);
            }
        } else if (c.expectation == "undecodable") {
            EXPECT_EQ(joined.problem, ComposeProblem::noFirstSlotPicture);
            EXPECT_EQ(splitted.problem, ComposeProblem::noSplitSource);
            EXPECT_TRUE(joined.bytes.empty());
        } else {
            const ComposeProblem expected =
                hasEncoderForOwnFormat(c.path) ? ComposeProblem::none : ComposeProblem::noEncoder;
            EXPECT_EQ(joined.problem, expected);
            EXPECT_EQ(splitted.problem, expected);
        }
        // In slot 2 a bad picture leaves its cell blank, as the window shows it.
        JoinSettings second = join;
        second.slotPaths = {good, c.path, std::nullopt, std::nullopt};
        ComposedPicture withSecond;
        boundedInTime(c.name, [&] { withSecond = composeJoin(second); });
        EXPECT_EQ(withSecond.problem, ComposeProblem::none);
    }
}

}  // namespace
}  // namespace pixmora
