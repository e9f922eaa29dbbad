#include <gtest/gtest.h>

#include "intake/file_naming.h"

namespace pixmora {
namespace {

struct NamingCase {
    const char* path;
    const char* title;
    const char* extension;
};

TEST(FileNaming, TitleAndExtensionOfDroppedPaths) {
    const NamingCase cases[] = {
        {"C:\\pics\\a.b.png", "a.b", ".png"},
        {"C:\\pics\\photo.JPG", "photo", ".JPG"},
        {"C:\\pics\\README", "README", ""},
        {"C:\\pics.d\\noext", "noext", ""},
        {"C:\\pics\\", "", ""},
        {"D:\\图片\\风景照.jpeg", "风景照", ".jpeg"},
        {"D:\\ทดสอบ\\ภาพ🙂.png", "ภาพ🙂", ".png"},
        {"E:\\x\\.hidden", "", ".hidden"},
        {"plain.gif", "plain", ".gif"},
        {"", "", ""},
    };
    for (const NamingCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileTitleOf(c.path), c.title);
        EXPECT_EQ(fileExtensionOf(c.path), c.extension);
    }
}

}  // namespace
}  // namespace pixmora
