#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "host/integer_box.h"
#include "host/number_text.h"
#include "host/whole_number_text.h"

namespace pixmora::host {
namespace {

TEST(TextToNumber, ReadsTheLeadingNumericPart) {
    const std::pair<const char*, double> cases[] = {
        {"1", 1},        {"  42", 42},   {"-3", -3},       {"+7", 7},       {"2.5", 2.5},   {".5", 0.5},
        {"5.", 5},       {"12px", 12},   {"1e3", 1000},    {"1e", 1},       {"1e+", 1},     {"-2.5E-1", -0.25},
        {"", 0},         {"abc", 0},     {"-", 0},         {".", 0},        {"--1", 0},     {"0x10", 0},
        {"inf", 0},      {"nan", 0},     {"１２", 12},     {"－３", -3},    {"１．５", 1.5}, {"　８", 8},
        {"2147483648", 2147483648.0},    {"007", 7},       {"12-3", 12},    {"分割线", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(textToNumber(text), expected);
    }
}

TEST(NumberToText, WritesThirteenSignificantDigitsWithoutATrailingPoint) {
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(6), "6");
    EXPECT_EQ(numberToText(-4), "-4");
    EXPECT_EQ(numberToText(3.5), "3.5");
    EXPECT_EQ(numberToText(1000), "1000");
    EXPECT_EQ(numberToText(2147483648.0), "2147483648");
    EXPECT_EQ(numberToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberToText(1e15), "1e+15");
}

TEST(TextToWholeNumber, SaturatesAtTheSixtyFourBitLimits) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(textToWholeNumber("9223372036854775807"), kMax);
    EXPECT_EQ(textToWholeNumber("9223372036854775808"), kMax);
    EXPECT_EQ(textToWholeNumber("99999999999999999999999"), kMax);
    EXPECT_EQ(textToWholeNumber("-9223372036854775808"), kMin);
    EXPECT_EQ(textToWholeNumber("-99999999999999999999999"), kMin);
    EXPECT_EQ(textToWholeNumber("12.9"), 12);
    EXPECT_EQ(textToWholeNumber("x1"), 0);
}

TEST(WholeNumberBoxText, ClampsToThirtyTwoBitsAndWritesZeroAsEmpty) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", ""},          {"000", ""},         {"007", "7"},         {"-0", ""},
        {"2147483647", "2147483647"},            {"2147483648", "2147483647"},
        {"-2147483648", "-2147483648"},          {"-2147483649", "-2147483648"},
        {"abc", ""},        {"", ""},            {"-12", "-12"},       {"3-4", "3"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(wholeNumberBoxText(text), expected);
    }
}

TEST(IntegerBoxCharacters, DigitsMinusAndControlKeysOnly) {
    for (wchar_t c : std::wstring(L"0123456789-\b\x03\x16\x18\x7F")) EXPECT_TRUE(isIntegerBoxCharacter(c)) << int(c);
    for (wchar_t c : std::wstring(L"a+.,e ０－")) EXPECT_FALSE(isIntegerBoxCharacter(c)) << int(c);
    EXPECT_TRUE(isIntegerBoxText(L"-12"));
    EXPECT_TRUE(isIntegerBoxText(L""));
    EXPECT_FALSE(isIntegerBoxText(L"1 2"));
    EXPECT_FALSE(isIntegerBoxText(L"1\n"));
}

}  // namespace
}  // namespace pixmora::host
