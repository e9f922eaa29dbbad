#include <gtest/gtest.h>

#include <algorithm>

#include "imaging/bitmap_object.h"
#include "imaging/guid_text.h"
#include "imaging/image_object.h"
#include "imaging/toolkit_status.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::solidPicture;

constexpr const char* kPageDimensionText = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
constexpr const char* kTimeDimensionText = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
constexpr int kPropertyNotFound = 19;

ImageObject& load(ImageObject& image, const ByteArray& bytes) {
    EXPECT_TRUE(image.loadImageFromStream(bytes));
    return image;
}

TEST(ImageFrames, AnimatedGifGivesOneDelayPerFrame) {
    std::vector<testing::Picture> frames;
    for (std::uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu})
        frames.push_back(solidPicture(8, 6, colour));
    ImageObject image;
    load(image, testing::gifPicture(frames, {10, 20, 30, 40, 250}));
    EXPECT_EQ(image.imageGetFrameCount(kTimeDimensionText), 5u);
    std::vector<std::int32_t> delays{99};
    ASSERT_TRUE(image.getFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<std::int32_t>{10, 20, 30, 40, 250}));
    ASSERT_TRUE(image.imageSelectActiveFrame(kTimeDimensionText, 2));
    EXPECT_EQ(testing::decodePicture(image.saveImageToStream(std::string(kPngFormatText))).picture.at(3, 3),
              0xFF0000FFu);
}

TEST(ImageFrames, StillPictureHasNoDelaysAndOnePageDimension) {
    ImageObject image;
    load(image, testing::encodePicture(solidPicture(8, 8, 0xFF808080), kJpegFormatText));
    std::vector<std::int32_t> delays{7, 8};
    lastStatus = 0;
    EXPECT_FALSE(image.getFrameDelays(delays));
    EXPECT_EQ(lastStatus, kPropertyNotFound);
    EXPECT_EQ(delays, (std::vector<std::int32_t>{7, 8}));

    std::vector<std::string> dimensions{"old", "texts"};
    ASSERT_TRUE(image.imageGetFrameDimensionsList(dimensions));
    EXPECT_EQ(dimensions, std::vector<std::string>{kPageDimensionText});
    EXPECT_EQ(image.imageGetFrameCount(kPageDimensionText), 1u);
}

TEST(ImageProperties, MissingPropertyLeavesTheRecordAlone) {
    ImageObject image;
    load(image, testing::encodePicture(solidPicture(4, 4, 0xFF000000), kPngFormatText));
    PropertyRecord item{1, 2, 3, {4}};
    EXPECT_FALSE(image.getPropertyItem(0x5100, item));
    EXPECT_EQ(lastStatus, kPropertyNotFound);
    EXPECT_EQ(item.id, 1);
    EXPECT_EQ(item.length, 2);
    EXPECT_EQ(item.type, 3);
    EXPECT_EQ(item.value, ByteArray{4});
}

TEST(ImageProperties, AnimationPropertiesAreListedAndRead) {
    ImageObject image;
    load(image, testing::gifPicture({solidPicture(4, 4, 0xFFFF0000), solidPicture(4, 4, 0xFF00FF00)}, {5, 700}));
    std::vector<std::int32_t> ids{1, 2, 3, 4, 5, 6, 7};
    const std::uint32_t count = image.getPropertyIdList(ids);
    ASSERT_GE(count, 1u);
    EXPECT_EQ(ids.size(), count);
    EXPECT_NE(std::find(ids.begin(), ids.end(), kFrameDelayPropertyId), ids.end());
    PropertyRecord delays;
    ASSERT_TRUE(image.getPropertyItem(kFrameDelayPropertyId, delays));
    EXPECT_EQ(delays.id, kFrameDelayPropertyId);
    EXPECT_EQ(delays.length, 8);
    EXPECT_EQ(delays.type, 4);  // 32-bit integers
    EXPECT_EQ(delays.value, (ByteArray{5, 0, 0, 0, 0xBC, 0x02, 0, 0}));

    // Wine's GDI+ answers NotImplemented for removing a property; the
    // picture keeps it.
    lastStatus = 0;
    EXPECT_FALSE(image.removePropertyItem(kFrameDelayPropertyId));
    EXPECT_EQ(lastStatus, Gdiplus::NotImplemented);
    EXPECT_EQ(image.getPropertyIdList(ids), count);
}

TEST(ImageProperties, SettingHandsTheItemOverAndKeepsTheRecord) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(4, 4));
    // An ASCII artist name (PropertyTagArtist, type 2). Wine's GDI+ accepts
    // it without storing it, so only the call and the record are checked.
    PropertyRecord item{0x013B, 6, 2, {'P', 'i', 'x', 'e', 'l', 0}};
    ASSERT_TRUE(bitmap.setPropertyItem(item));
    EXPECT_EQ(item.id, 0x013B);
    EXPECT_EQ(item.length, 6);
    EXPECT_EQ(item.type, 2);
    EXPECT_EQ(item.value.size(), 6u);
    ImageObject empty;
    EXPECT_FALSE(empty.setPropertyItem(item));
    EXPECT_EQ(lastStatus, kStatusInvalidParameter);
}

TEST(ImageProperties, LengthBeyondTheValueIsRefused) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(4, 4));
    for (std::int32_t length : {7, -1}) {
        PropertyRecord item{0x013B, length, 2, {'a', 'b', 0}};
        EXPECT_FALSE(bitmap.setPropertyItem(item));
        EXPECT_EQ(lastStatus, kStatusInvalidParameter);
        EXPECT_EQ(item.length, length);
    }
    std::vector<std::int32_t> ids;
    EXPECT_EQ(bitmap.getPropertyIdList(ids), 0u);
}

TEST(ImagePalette, EightBitPictureGivesItsColours) {
    ImageObject image;
    load(image, testing::gifPicture({testing::quadrantPicture(8, 8, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF)}));
    EXPECT_EQ(image.getImagePixelFormat(), PixelFormat8bppIndexed);
    PaletteRecord palette;
    ASSERT_TRUE(image.getImagePalette(palette));
    EXPECT_GT(palette.count, 0);
    EXPECT_LE(palette.count, 256);
    EXPECT_EQ(palette.entries.size(), static_cast<std::size_t>(palette.count));
    for (std::uint32_t colour : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu})
        EXPECT_NE(std::find(palette.entries.begin(), palette.entries.end(), colour), palette.entries.end());
}

TEST(ImagePalette, SetPaletteRecolorsAnIndexedBitmap) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(4, 4, PixelFormat8bppIndexed));
    PaletteRecord palette{0, 2, {0xFF112233, 0xFF445566}};
    ASSERT_TRUE(bitmap.setImagePalette(palette));
    EXPECT_EQ(palette.count, 2);
    PaletteRecord read;
    ASSERT_TRUE(bitmap.getImagePalette(read));
    ASSERT_EQ(read.count, 2);
    EXPECT_EQ(read.entries, (std::vector<std::uint32_t>{0xFF112233, 0xFF445566}));
    // Index 0 everywhere: the first colour.
    EXPECT_EQ(bitmap.bitmapGetPixel(1, 1), 0xFF112233u);
}

TEST(ImagePalette, CountBeyondTheEntriesIsRefused) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(4, 4, PixelFormat8bppIndexed));
    PaletteRecord before;
    ASSERT_TRUE(bitmap.getImagePalette(before));
    for (std::int32_t count : {3, -2}) {
        PaletteRecord palette{0, count, {0xFF000000, 0xFFFFFFFF}};
        EXPECT_FALSE(bitmap.setImagePalette(palette));
        EXPECT_EQ(lastStatus, kStatusInvalidParameter);
    }
    PaletteRecord after;
    ASSERT_TRUE(bitmap.getImagePalette(after));
    EXPECT_EQ(after.entries, before.entries);
}

TEST(ImageQueries, RotateFlipSwapsWidthAndHeight) {
    ImageObject image;
    load(image, testing::encodePicture(testing::quadrantPicture(30, 20, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                                0xFFFFFFFF),
                                       kPngFormatText));
    ASSERT_TRUE(image.imageRotateFlip(1));  // 90 degrees clockwise
    EXPECT_EQ(image.getImageWidth(), 20u);
    EXPECT_EQ(image.getImageHeight(), 30u);
    // The top-left quadrant (red) is now at the top right.
    const auto rotated = testing::decodePicture(image.saveImageToStream(std::string(kPngFormatText))).picture;
    EXPECT_EQ(rotated.at(15, 5), 0xFFFF0000u);
    EXPECT_EQ(rotated.at(5, 5), 0xFF0000FFu);
}

TEST(ImageQueries, TypeResolutionFlagsFormatAndThumbnail) {
    BitmapObject bitmap;
    ASSERT_TRUE(bitmap.createBitmapFromScan0(40, 20));
    ASSERT_TRUE(bitmap.bitmapSetResolution(150, 75));
    EXPECT_EQ(bitmap.getImageType(), 1);
    EXPECT_EQ(bitmap.getImageHorizontalResolution(), 150.0f);
    EXPECT_EQ(bitmap.getImageVerticalResolution(), 75.0f);
    EXPECT_EQ(bitmap.getImagePixelFormat(), kPixelFormat32bppARGB);
    EXPECT_TRUE(bitmap.getImageFlags() & Gdiplus::ImageFlagsHasAlpha);
    ImageObject thumbnail;
    ASSERT_TRUE(bitmap.getImageThumbnail(10, 8, thumbnail));
    EXPECT_EQ(thumbnail.getImageWidth(), 10u);
    EXPECT_EQ(thumbnail.getImageHeight(), 8u);
}

}  // namespace
}  // namespace pixmora
