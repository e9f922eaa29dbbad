#include <gtest/gtest.h>

#include "imaging/guid_text.h"
#include "imaging/image_object.h"
#include "imaging/toolkit_status.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_pictures.h"

namespace pixmora {
namespace {

using testing::TemporaryFolder;

struct FormatCase {
    const char* name;
    const char* format;
};

class ImageLoading : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ImageLoading, ReportsFormatAndSize) {
    TemporaryFolder folder;
    const std::string path = folder.file(std::string("picture.") + GetParam().name);
    testing::writePicture(testing::textPath(path), testing::solidPicture(37, 21, 0xFF336699), GetParam().format);

    ImageObject image;
    ASSERT_TRUE(image.loadImageFromFile(path));
    EXPECT_EQ(lastStatus, 0);
    EXPECT_TRUE(image.isValid());
    EXPECT_EQ(image.getImageRawFormat(), GetParam().format);
    const SizeF size = image.getImageDimension();
    EXPECT_EQ(size.width, 37.0f);
    EXPECT_EQ(size.height, 21.0f);
    EXPECT_EQ(image.getImageWidth(), 37u);
    EXPECT_EQ(image.getImageHeight(), 21u);
    int unit = -1;
    const RectF bounds = image.getImageBounds(unit);
    EXPECT_EQ(unit, 2);  // pixels
    EXPECT_EQ(bounds.width, 37.0f);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageLoading,
                         ::testing::Values(FormatCase{"jpg", kJpegFormatText}, FormatCase{"png", kPngFormatText},
                                           FormatCase{"bmp", kBmpFormatText}, FormatCase{"gif", kGifFormatText}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageObject, FailedLoadsLeaveAnEmptyObjectAndAStatus) {
    TemporaryFolder folder;
    const std::string text = folder.file("notes.png");
    testing::writeWholeFile(testing::textPath(text), ByteArray{'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't'});
    for (const std::string& path : {folder.file("missing.png"), text, std::string()}) {
        ImageObject image;
        lastStatus = 0;
        EXPECT_FALSE(image.loadImageFromFile(path)) << path;
        EXPECT_NE(lastStatus, 0) << path;
        EXPECT_FALSE(image.isValid());
        EXPECT_EQ(image.getNativeHandle(), nullptr);
    }
}

TEST(ImageObject, LoadingABadFileOverAPictureEndsEmpty) {
    TemporaryFolder folder;
    const std::string good = folder.file("good.png");
    testing::writePicture(testing::textPath(good), testing::solidPicture(8, 8, 0xFF000000), kPngFormatText);
    ImageObject image;
    ASSERT_TRUE(image.loadImageFromFile(good));
    EXPECT_FALSE(image.loadImageFromFile(folder.file("absent.png")));
    EXPECT_FALSE(image.isValid());
    EXPECT_EQ(image.getImageWidth(), 0u);
}

TEST(ImageObject, DisposeTwiceSecondLeavesStatusAlone) {
    TemporaryFolder folder;
    const std::string path = folder.file("p.bmp");
    testing::writePicture(testing::textPath(path), testing::solidPicture(4, 4, 0xFFFFFFFF), kBmpFormatText);
    ImageObject image;
    ASSERT_TRUE(image.loadImageFromFile(path));
    EXPECT_TRUE(image.disposeImage());
    lastStatus = 1234;
    EXPECT_FALSE(image.disposeImage());
    EXPECT_EQ(lastStatus, 1234);
}

TEST(ImageObject, QueriesOnAnEmptyObjectGiveZeroAndInvalidParameter) {
    ImageObject image;
    const SizeF size = image.getImageDimension();
    EXPECT_EQ(lastStatus, 2);
    EXPECT_EQ(size.width, 0.0f);
    EXPECT_EQ(size.height, 0.0f);
    EXPECT_EQ(image.getImageRawFormat(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(lastStatus, 2);
    EXPECT_EQ(image.getImageWidth(), 0u);
    EXPECT_EQ(lastStatus, 2);
}

TEST(ImageObject, CloneGivesAnIndependentPicture) {
    TemporaryFolder folder;
    const std::string path = folder.file("c.png");
    testing::writePicture(testing::textPath(path), testing::solidPicture(9, 5, 0xFF00FF00), kPngFormatText);
    ImageObject image, copy;
    ASSERT_TRUE(image.loadImageFromFile(path));
    ASSERT_TRUE(image.cloneImage(copy));
    EXPECT_NE(copy.getNativeHandle(), image.getNativeHandle());
    image.disposeImage();
    EXPECT_EQ(copy.getImageWidth(), 9u);
    EXPECT_EQ(copy.getImageHeight(), 5u);
}

TEST(ImageObject, ChineseNameWithSpacesLoadsAndSaves) {
    TemporaryFolder folder;
    const std::string source = folder.file("我的 照片 1.png");
    const std::string target = folder.file("拼接图_ 副本.JPG");
    testing::writePicture(testing::textPath(source), testing::solidPicture(12, 7, 0xFFFF0000), kPngFormatText);
    ImageObject image;
    ASSERT_TRUE(image.loadImageFromFile(source));
    ASSERT_TRUE(image.saveImageToFile(target));
    const auto decoded = testing::decodePictureFile(testing::textPath(target));
    ASSERT_TRUE(decoded.loaded);
    EXPECT_EQ(decoded.format, kPngFormatText);
    EXPECT_EQ(decoded.picture.width, 12);
    EXPECT_EQ(decoded.picture.at(3, 3), 0xFFFF0000u);
}

TEST(ImageObject, WideLoadTakesUtf16Path) {
    TemporaryFolder folder;
    const std::string path = folder.file("宽 路径.gif");
    testing::writePicture(testing::textPath(path), testing::solidPicture(6, 3, 0xFF0000FF), kGifFormatText);
    ImageObject image;
    EXPECT_TRUE(image.loadImageFromFileW(testing::textPath(path).c_str()));
    EXPECT_EQ(image.getImageHeight(), 3u);
}

}  // namespace
}  // namespace pixmora

namespace pixmora {
namespace {

TEST(ImageObject, LoadsFromBytesAndKeepsThemWhileThePictureLives) {
    ByteArray bytes = testing::encodePicture(testing::solidPicture(11, 4, 0xFF00FF00), kPngFormatText);
    ImageObject image;
    ASSERT_TRUE(image.loadImageFromStream(bytes));
    bytes.assign(bytes.size(), 0);  // the caller's copy does not matter any more
    EXPECT_EQ(image.getImageRawFormat(), kPngFormatText);
    EXPECT_EQ(image.getImageWidth(), 11u);
    EXPECT_EQ(testing::decodePicture(image.saveImageToStream()).picture.at(5, 2), 0xFF00FF00u);
    EXPECT_FALSE(image.loadImageFromStream(ByteArray{'n', 'o', 'p', 'e'}));
    EXPECT_FALSE(image.isValid());
    EXPECT_FALSE(image.loadImageFromStream(ByteArray{}));
}

}  // namespace
}  // namespace pixmora
