#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "imaging/bitmap_object.h"
#include "imaging/encoders.h"
#include "imaging/guid_text.h"
#include "imaging/toolkit_status.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::TemporaryFolder;

// A bitmap made in memory with a recognisable pattern.
void makeBitmap(BitmapObject& bitmap, int width = 64, int height = 48) {
    ASSERT_TRUE(bitmap.createBitmapFromScan0(width, height, kPixelFormat32bppRGB));
}

ImageObject& loadPicture(ImageObject& image, const TemporaryFolder& folder, const char* name, const char* format) {
    const std::string path = folder.file(name);
    testing::writePicture(testing::textPath(path), testing::solidPicture(40, 30, 0xFF808080), format);
    EXPECT_TRUE(image.loadImageFromFile(path));
    return image;
}

TEST(Encoders, ListsTheInstalledEncodersWithTheirTexts) {
    std::vector<EncoderInfo> encoders;
    const int count = getImageEncoders(encoders);
    ASSERT_GT(count, 0);
    EXPECT_EQ(encoders.size(), static_cast<size_t>(count));
    const auto jpeg = std::find_if(encoders.begin(), encoders.end(),
                                   [](const EncoderInfo& e) { return e.formatId == kJpegFormatText; });
    ASSERT_NE(jpeg, encoders.end());
    EXPECT_EQ(jpeg->mimeType, "image/jpeg");
    EXPECT_EQ(jpeg->clsid.size(), 38u);
    EXPECT_GT(jpeg->sigCount, 0);
    EXPECT_EQ(jpeg->sigPattern.size(), static_cast<size_t>(jpeg->sigCount * jpeg->sigSize));
    EXPECT_EQ(jpeg->sigPattern[0], 0xFF);
    EXPECT_EQ(encoderClsidForFormat(kJpegFormatText), jpeg->clsid);
}

TEST(Encoders, FormatTextsMustMatchExactly) {
    std::string lower = kJpegFormatText;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(encoderClsidForFormat(lower), "");
    EXPECT_EQ(encoderClsidForFormat(kZeroGuidText), "");
    EXPECT_EQ(encoderClsidForFormat(""), "");
    EXPECT_EQ(encoderClsidForFormat(kMemoryBitmapFormatText), "");
}

TEST(SaveImageToStream, GivesCompleteFilesThatLoadBack) {
    BitmapObject bitmap;
    makeBitmap(bitmap);
    const ByteArray jpeg = bitmap.saveImageToStream(std::string(kJpegFormatText));
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
    const ByteArray png = bitmap.saveImageToStream(std::string(kPngFormatText));
    const ByteArray signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), signature.size());
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    for (const ByteArray* bytes : {&jpeg, &png}) {
        const auto decoded = testing::decodePicture(*bytes);
        ASSERT_TRUE(decoded.loaded);
        EXPECT_EQ(decoded.picture.width, 64);
        EXPECT_EQ(decoded.picture.height, 48);
    }
}

TEST(SaveImageToStream, KeepsTheSourceFormatByDefault) {
    TemporaryFolder folder;
    ImageObject png, bmp;
    EXPECT_EQ(testing::decodePicture(loadPicture(png, folder, "a.png", kPngFormatText).saveImageToStream()).format,
              kPngFormatText);
    EXPECT_EQ(testing::decodePicture(loadPicture(bmp, folder, "b.bmp", kBmpFormatText).saveImageToStream()).format,
              kBmpFormatText);
}

TEST(SaveImageToStream, NoEncoderGivesNoBytes) {
    BitmapObject bitmap;
    makeBitmap(bitmap);
    // A bitmap made in memory has a raw format without an encoder.
    EXPECT_TRUE(bitmap.saveImageToStream().empty());
    EXPECT_NE(lastStatus, 0);
    EXPECT_TRUE(bitmap.saveImageToStream(std::string("{b96b3cae-0728-11d3-9d7b-0000f81ef32e}")).empty());
    ImageObject empty;
    EXPECT_TRUE(empty.saveImageToStream(std::string(kJpegFormatText)).empty());
}

TEST(SaveImageToFile, WritesTheFormatWhateverTheExtension) {
    TemporaryFolder folder;
    ImageObject png;
    loadPicture(png, folder, "source.png", kPngFormatText);
    const std::string target = folder.file("拼接图_abc123.JPG");
    ASSERT_TRUE(png.saveImageToFile(target));
    const auto decoded = testing::decodePictureFile(testing::textPath(target));
    EXPECT_EQ(decoded.format, kPngFormatText);
    EXPECT_EQ(decoded.picture.width, 40);
}

TEST(SaveImageToFile, NoEncoderWritesNoFile) {
    TemporaryFolder folder;
    BitmapObject bitmap;
    makeBitmap(bitmap);
    const std::string target = folder.file("never.JPG");
    EXPECT_FALSE(bitmap.saveImageToFile(target));
    EXPECT_NE(lastStatus, 0);
    EXPECT_FALSE(std::filesystem::exists(testing::textPath(target)));
}

TEST(SaveImageToFile, WideFormWritesBmpWhenNoFormatIsGiven) {
    TemporaryFolder folder;
    BitmapObject bitmap;
    makeBitmap(bitmap, 5, 3);
    const auto target = testing::textPath(folder.file("wide 名字.dat"));
    ASSERT_TRUE(bitmap.saveImageToFileW(target.c_str()));
    const ByteArray bytes = testing::readWholeFile(target);
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(testing::decodePicture(bytes).picture.width, 5);
}

TEST(SaveImageToFile, FailsIntoAMissingFolder) {
    TemporaryFolder folder;
    BitmapObject bitmap;
    makeBitmap(bitmap);
    EXPECT_FALSE(bitmap.saveImageToFile(folder.file("gone\\x.JPG"), std::string(kJpegFormatText)));
    EXPECT_NE(lastStatus, 0);
}

TEST(EncoderParameters, JpegListsItsParametersWithValues) {
    BitmapObject bitmap;
    makeBitmap(bitmap);
    EncoderParameterSet parameters;
    parameters.count = 99;
    const bool listed = bitmap.getEncoderParameterList(kJpegFormatText, parameters);
    if (lastStatus == Gdiplus::NotImplemented) {
        // Wine's GDI+ does not list encoder parameters: the failure is reported
        // and the set is left as it was.
        EXPECT_FALSE(listed);
        EXPECT_EQ(parameters.count, 99);
        EXPECT_TRUE(parameters.items.empty());
        return;
    }
    ASSERT_TRUE(listed);
    ASSERT_GT(parameters.count, 0);
    EXPECT_EQ(parameters.items.size(), static_cast<size_t>(parameters.count));
    for (const EncoderParameterItem& item : parameters.items) {
        EXPECT_EQ(item.guid.size(), 38u);
        EXPECT_GE(item.type, 1);
        EXPECT_LE(item.type, 8);
        EXPECT_EQ(item.value.size(), item.numberOfValues * bytesPerEncoderValue(item.type));
    }
    const std::string quality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
    EXPECT_TRUE(std::any_of(parameters.items.begin(), parameters.items.end(),
                            [&](const EncoderParameterItem& item) { return item.guid == quality; }));
}

TEST(EncoderParameters, NoEncoderForTheFormatFailsTheList) {
    BitmapObject bitmap;
    makeBitmap(bitmap);
    EncoderParameterSet parameters;
    EXPECT_FALSE(bitmap.getEncoderParameterList("{b96b3cae-0728-11d3-9d7b-0000f81ef32e}", parameters));
    EXPECT_NE(lastStatus, 0);
    EXPECT_TRUE(parameters.items.empty());
}

TEST(EncoderParameters, AQualityParameterIsHandedOverInGdiplusLayout) {
    BitmapObject bitmap;
    makeBitmap(bitmap);
    EncoderParameterSet set;
    set.count = 1;
    const std::int32_t quality = 30;
    EncoderParameterItem item{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, ByteArray(4)};
    std::memcpy(item.value.data(), &quality, 4);
    set.items.push_back(item);
    const ByteArray bytes = bitmap.saveImageToStream(std::string(kJpegFormatText), &set);
    EXPECT_EQ(lastStatus, 0);
    EXPECT_EQ(testing::decodePicture(bytes).picture.width, 64);
}

TEST(EncoderParameters, SetsThatWouldMakeGdiplusReadPastTheirEndAreRefused) {
    TemporaryFolder folder;
    BitmapObject bitmap;
    makeBitmap(bitmap);
    EncoderParameterSet overCounted;
    overCounted.count = 3;
    overCounted.items.push_back({"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, ByteArray(4)});
    EncoderParameterSet shortValue;
    shortValue.count = 1;
    shortValue.items.push_back({"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 4, 4, ByteArray(4)});
    for (const EncoderParameterSet* set : {&overCounted, &shortValue}) {
        const std::string target = folder.file("refused.JPG");
        EXPECT_FALSE(bitmap.saveImageToFile(target, std::string(kJpegFormatText), set));
        EXPECT_EQ(lastStatus, 2);
        EXPECT_FALSE(std::filesystem::exists(testing::textPath(target)));
        EXPECT_TRUE(bitmap.saveImageToStream(std::string(kJpegFormatText), set).empty());
        EXPECT_FALSE(bitmap.saveAdd(*set));
    }
}

}  // namespace
}  // namespace pixmora
