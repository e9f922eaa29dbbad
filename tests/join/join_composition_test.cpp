#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/guid_text.h"
#include "join/join_composition.h"
#include "tests/support/composition_support.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::Picture;

constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kYellow = 0xFFFFFF00;
constexpr std::uint32_t kCyan = 0xFF00FFFF;
constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kBarWindowsColour = 0x000000FF;  // red in the colour picker
constexpr std::uint32_t kBar = 0xFFFF0000;

using JoinComposition = testing::PictureFolderTest;

struct PixelCheck {
    int x, y;
    std::uint32_t argb;
};

struct EndToEndCase {
    const char* name;
    std::vector<std::optional<Picture>> slots;  // slot 1 as PNG, the others as BMP
    int count;
    bool stacked, border;
    double thickness;
    int width, height;
    std::vector<PixelCheck> pixels;
};

TEST_F(JoinComposition, LosslessPicturesLandInTheirCellsWithTheBarsOverThem) {
    const auto solid = [](int w, int h, std::uint32_t argb) { return std::optional(testing::solidPicture(w, h, argb)); };
    const std::vector<EndToEndCase> cases = {
        {"side by side, two, border", {solid(40, 30, kBlue), solid(20, 10, kYellow)}, 2, false, true, 4, 80, 30,
         {{37, 15, kBlue}, {38, 15, kBar}, {41, 15, kBar}, {42, 15, kYellow}, {75, 15, kYellow}, {76, 15, kBar},
          {79, 0, kBar}, {20, 25, kBlue}, {20, 26, kBar}, {60, 29, kBar}, {0, 0, kBlue}}},
        {"stacked, three, no border, cell from different slots",
         {solid(30, 20, kBlue), solid(10, 40, kYellow), solid(30, 10, kCyan)}, 3, true, false, 2, 30, 120,
         {{15, 38, kBlue}, {15, 39, kBar}, {15, 40, kBar}, {15, 41, kYellow}, {15, 78, kYellow}, {15, 79, kBar},
          {15, 80, kBar}, {15, 81, kCyan}, {29, 100, kCyan}, {0, 100, kCyan}, {29, 0, kBlue}}},
        {"odd thickness straddles the seam", {solid(20, 20, kBlue), solid(20, 20, kYellow)}, 2, false, false, 3, 40, 20,
         {{17, 10, kBlue}, {19, 10, kBar}, {20, 10, kBar}, {22, 10, kYellow}, {39, 19, kYellow}}},
        {"thickness 0 draws no bar", {solid(20, 20, kBlue), solid(20, 20, kYellow)}, 2, false, true, 0, 40, 20,
         {{19, 10, kBlue}, {20, 10, kYellow}, {39, 19, kYellow}, {0, 19, kBlue}}},
        {"one picture stretched to the larger slot 2 size, edge bars only",
         {solid(10, 10, kBlue), solid(30, 20, kYellow)}, 1, true, true, 1, 30, 20,
         {{15, 10, kBlue}, {0, 0, kBlue}, {25, 15, kBlue}, {29, 5, kBar}, {5, 19, kBar}}},
        {"width and height taken apart",
         {testing::quadrantPicture(40, 10, kBlue, kYellow, kCyan, kMagenta), solid(10, 40, kCyan)}, 2, false,
         false, 0, 80, 40,
         {{10, 10, kBlue}, {30, 10, kYellow}, {10, 30, kCyan}, {30, 30, kMagenta}, {60, 5, kCyan}, {60, 35, kCyan}}},
        {"slot 2 never filled", {solid(20, 20, kBlue), std::nullopt, solid(20, 20, kCyan)}, 2, false, false, 0, 40, 20,
         {{10, 10, kBlue}}},
    };
    for (const EndToEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        JoinSettings settings;
        for (std::size_t k = 0; k < c.slots.size(); ++k) {
            if (!c.slots[k]) continue;
            settings.slotPaths[k] = k == 0 ? write("slot1.png", *c.slots[k], kPngFormatText)
                                           : write("slot" + std::to_string(k + 1) + ".bmp", *c.slots[k], kBmpFormatText);
        }
        settings.count = c.count;
        settings.stacked = c.stacked;
        settings.border = c.border;
        settings.thickness = c.thickness;
        settings.barColour = kBarWindowsColour;

        const ComposedPicture result = composeJoin(settings);
        ASSERT_EQ(result.problem, ComposeProblem::none);
        const auto decoded = testing::decodePicture(result.bytes);
        ASSERT_TRUE(decoded.loaded);
        EXPECT_EQ(decoded.format, kPngFormatText);
        ASSERT_EQ(decoded.picture.width, c.width);
        ASSERT_EQ(decoded.picture.height, c.height);
        EXPECT_EQ(result.width, c.width);
        EXPECT_EQ(result.height, c.height);
        for (const PixelCheck& p : c.pixels)
            EXPECT_EQ(decoded.picture.at(p.x, p.y), p.argb) << "at " << p.x << "," << p.y;
        if (c.count == 2 && c.slots.size() == 3) {
            // Slot 3's picture lies beyond the canvas: the second cell is not it.
            EXPECT_NE(decoded.picture.at(30, 10), kCyan);
        }
    }
}

TEST_F(JoinComposition, JpegExampleGivesJpegBytesOfTheJoinedSize) {
    JoinSettings settings;
    settings.slotPaths[0] = write("a.jpg", testing::solidPicture(400, 300, kBlue), kJpegFormatText);
    settings.slotPaths[1] = write("b.png", testing::solidPicture(200, 100, kYellow), kPngFormatText);
    settings.count = 2;
    settings.thickness = 4;
    settings.barColour = kBarWindowsColour;
    const ComposedPicture result = composeJoin(settings);
    EXPECT_EQ(result.format, kJpegFormatText);
    const auto decoded = testing::decodePicture(result.bytes);
    ASSERT_TRUE(decoded.loaded);
    EXPECT_EQ(decoded.format, kJpegFormatText);
    ASSERT_EQ(decoded.picture.width, 800);
    ASSERT_EQ(decoded.picture.height, 300);
    for (const PixelCheck& p : std::vector<PixelCheck>{{200, 150, kBlue}, {600, 150, kYellow}, {399, 150, kBar},
                                                       {400, 150, kBar}, {798, 150, kBar}, {600, 298, kBar}})
        EXPECT_LE(testing::colourDistance(decoded.picture.at(p.x, p.y), p.argb), 48) << "at " << p.x << "," << p.y;
}

TEST_F(JoinComposition, KeepsSlotOnesFormatWhateverTheOthersAre) {
    for (const char* format : {kPngFormatText, kBmpFormatText}) {
        JoinSettings settings;
        settings.slotPaths[0] = write("first", testing::solidPicture(8, 8, kBlue), format);
        settings.slotPaths[1] = write("second.jpg", testing::solidPicture(8, 8, kCyan), kJpegFormatText);
        settings.count = 2;
        const ComposedPicture result = composeJoin(settings);
        EXPECT_EQ(result.format, format);
        EXPECT_EQ(testing::decodePicture(result.bytes).format, format);
    }
}

TEST_F(JoinComposition, NoPictureWhenSlotOneCannotGiveOne) {
    const std::string picture = write("b.png", testing::solidPicture(8, 8, kBlue), kPngFormatText);
    const std::string text = writeBytes("notes.png", ByteArray{'h', 'e', 'l', 'l', 'o'});
    const std::string metafile = folder.file("drawing.emf");
    testing::writeMetafile(testing::textPath(metafile));
    struct Case {
        const char* name;
        std::optional<std::string> slot1;
        int count;
        ComposeProblem problem;
    };
    for (const Case& c : {Case{"never filled", std::nullopt, 1, ComposeProblem::noFirstSlotPicture},
                          Case{"missing file", folder.file("gone.png"), 2, ComposeProblem::noFirstSlotPicture},
                          Case{"not a picture", text, 2, ComposeProblem::noFirstSlotPicture},
                          Case{"a metafile has no encoder", metafile, 2, ComposeProblem::noEncoder},
                          Case{"no slot counts as filled", picture, 0, ComposeProblem::emptyCanvas}}) {
        SCOPED_TRACE(c.name);
        JoinSettings settings;
        settings.slotPaths[0] = c.slot1;
        settings.slotPaths[1] = picture;
        settings.count = c.count;
        const ComposedPicture result = composeJoin(settings);
        EXPECT_EQ(result.problem, c.problem) << result.format;
        EXPECT_TRUE(result.bytes.empty());
        EXPECT_FALSE(composeProblemText(c.problem).empty());
    }
}

}  // namespace
}  // namespace pixmora
