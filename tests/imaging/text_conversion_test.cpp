#include <gtest/gtest.h>

#include "imaging/guid_text.h"
#include "imaging/text_conversion.h"

namespace pixmora {
namespace {

TEST(TextConversion, ConvertsUtf8ToUtf16AndBack) {
    const std::string text = "D:\\照片 2024\\拼接图_aB3xYz.JPG";
    const std::wstring wide = toWideText(text);
    EXPECT_EQ(wide, L"D:\\\u7167\u7247 2024\\\u62fc\u63a5\u56fe_aB3xYz.JPG");
    EXPECT_EQ(wideToText(wide.c_str()), text);
}

TEST(TextConversion, KeepsCharactersOutsideEveryLegacyCodePage) {
    const std::string text = "emoji \xF0\x9F\x98\x80 and \xE0\xB8\x81 and \xC3\xA9";
    EXPECT_EQ(wideToText(toWideText(text).c_str()), text);
}

TEST(TextConversion, EmptyTextsAndNullAddresses) {
    EXPECT_TRUE(toWideText("").empty());
    EXPECT_EQ(toWideText("").c_str()[0], L'\0');
    EXPECT_EQ(wideToText(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(wideToText(L""), "");
}

TEST(GuidText, RegistryFormInUpperCase) {
    const GUID jpeg = {0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    EXPECT_EQ(guidToText(jpeg), kJpegFormatText);
    EXPECT_EQ(guidToText(GUID{}), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(std::string(kZeroGuidText).size(), 38u);
}

TEST(GuidText, TextToGuidRoundTripsAndGivesZeroForNonsense) {
    EXPECT_EQ(guidToText(textToGuid(kBmpFormatText)), kBmpFormatText);
    for (const char* text : {"", "not a guid", "{B96B3CAE-0728-11D3-9D7B}"})
        EXPECT_EQ(guidToText(textToGuid(text)), kZeroGuidText) << text;
}

}  // namespace
}  // namespace pixmora
