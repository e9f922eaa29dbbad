#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "imaging/guid_text.h"
#include "split/split_composition.h"
#include "tests/support/composition_support.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::Picture;

constexpr std::uint32_t kWhiteWindowsColour = 0x00FFFFFF;
constexpr std::uint32_t kRedWindowsColour = 0x000000FF;

using SplitComposition = testing::PictureFolderTest;

// The source with whole rows and columns painted over.
Picture painted(Picture picture, const std::vector<int>& rows, const std::vector<int>& columns, std::uint32_t argb) {
    for (int y : rows)
        for (int x = 0; x < picture.width; ++x) picture.at(x, y) = argb;
    for (int x : columns)
        for (int y = 0; y < picture.height; ++y) picture.at(x, y) = argb;
    return picture;
}

void expectSamePixels(const Picture& actual, const Picture& expected) {
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    int wrong = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            if (actual.at(x, y) != expected.at(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << actual.at(x, y) << " instead of "
                              << expected.at(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(SplitComposition, DrawsTheGridOverTheSourceAtItsOwnSize) {
    const Picture source = testing::quadrantPicture(60, 30, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF);
    struct Case {
        const char* name;
        const char* format;
        double rows, columns, thickness;
        std::uint32_t colour;
        bool border;
        std::vector<int> paintedRows, paintedColumns;
        std::uint32_t argb;
    };
    for (const Case& c : {
             Case{"three by two, no border", kPngFormatText, 3, 2, 2, kRedWindowsColour, false, {8, 9, 18, 19}, {28, 29},
                  0xFFFF0000},
             Case{"three by two, border", kPngFormatText, 3, 2, 2, kRedWindowsColour, true, {8, 9, 18, 19, 28, 29},
                  {28, 29, 58, 59}, 0xFFFF0000},
             Case{"the settings at start, BMP kept", kBmpFormatText, 1, 1, 1, kWhiteWindowsColour, true, {29}, {59},
                  0xFFFFFFFF},
             Case{"one band each, no border: the source unchanged", kPngFormatText, 1, 1, 1, kRedWindowsColour, false,
                  {}, {}, 0},
             Case{"thickness 0 draws nothing", kPngFormatText, 3, 2, 0, kRedWindowsColour, true, {}, {}, 0},
         }) {
        SCOPED_TRACE(c.name);
        SplitSettings settings;
        settings.sourcePath = write("source", source, c.format);
        settings.rows = c.rows;
        settings.columns = c.columns;
        settings.thickness = c.thickness;
        settings.lineColour = c.colour;
        settings.border = c.border;
        const ComposedPicture result = composeSplit(settings);
        ASSERT_EQ(result.problem, ComposeProblem::none);
        EXPECT_EQ(result.format, c.format);
        const auto decoded = testing::decodePicture(result.bytes);
        ASSERT_TRUE(decoded.loaded);
        EXPECT_EQ(decoded.format, c.format);
        expectSamePixels(decoded.picture, painted(source, c.paintedRows, c.paintedColumns, c.argb));
    }
}

TEST_F(SplitComposition, JpegStaysJpegAndHugeCountsFinish) {
    SplitSettings settings;
    settings.sourcePath = write("photo.jpg", testing::solidPicture(64, 48, 0xFF336699), kJpegFormatText);
    settings.rows = 1e9;
    settings.columns = 1e9;
    const ComposedPicture result = composeSplit(settings);
    const auto decoded = testing::decodePicture(result.bytes);
    ASSERT_TRUE(decoded.loaded);
    EXPECT_EQ(decoded.format, kJpegFormatText);
    EXPECT_EQ(decoded.picture.width, 64);
    EXPECT_EQ(decoded.picture.height, 48);
}

TEST_F(SplitComposition, NoPictureWithoutAWritableSource) {
    const std::string text = writeBytes("notes.png", ByteArray{'n', 'o'});
    const std::string metafile = folder.file("drawing.emf");
    testing::writeMetafile(testing::textPath(metafile));
    struct Case {
        const char* name;
        std::optional<std::string> source;
        ComposeProblem problem;
    };
    for (const Case& c : {Case{"nothing dropped", std::nullopt, ComposeProblem::noSplitSource},
                          Case{"empty path", std::string(), ComposeProblem::noSplitSource},
                          Case{"missing file", folder.file("gone.png"), ComposeProblem::noSplitSource},
                          Case{"not a picture", text, ComposeProblem::noSplitSource},
                          Case{"a metafile has no encoder", metafile, ComposeProblem::noEncoder}}) {
        SCOPED_TRACE(c.name);
        SplitSettings settings;
        settings.sourcePath = c.source;
        const std::string path = folder.file("分割图_abc123.JPG");
        const ExportResult result = exportSplit(settings, path);
        EXPECT_EQ(result.picture.problem, c.problem);
        EXPECT_TRUE(result.picture.bytes.empty());
        EXPECT_FALSE(result.outcome.written);
        EXPECT_EQ(result.outcome.reason, composeProblemText(c.problem));
        EXPECT_FALSE(std::filesystem::exists(testing::textPath(path)));
    }
}

TEST_F(SplitComposition, ExportWritesThePreviewBytes) {
    SplitSettings settings;
    settings.sourcePath = write("source.png", testing::solidPicture(20, 10, 0xFF0000FF), kPngFormatText);
    const std::string path = folder.file("分割图_abc123.JPG");
    const ExportResult result = exportSplit(settings, path);
    ASSERT_TRUE(result.outcome.written) << result.outcome.reason;
    EXPECT_EQ(testing::readWholeFile(testing::textPath(path)), result.picture.bytes);
    EXPECT_EQ(result.picture.bytes, composeSplit(settings).bytes);
    EXPECT_EQ(testing::decodePictureFile(testing::textPath(path)).format, kPngFormatText);
}

}  // namespace
}  // namespace pixmora
