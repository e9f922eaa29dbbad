#include "host/number_text.h"

#include <cstdio>
#include <cstdlib>
#include <limits>

#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

// The text with full-width digits, signs, point and space made ASCII; other
// characters become a character that ends any number.
std::string asciiNumberText(std::string_view text) {
    const std::wstring wide = toWideText(text);
    std::string ascii;
    ascii.reserve(wide.size());
    for (wchar_t c : wide) {
        if (c >= L'\xFF10' && c <= L'\xFF19')
            ascii += static_cast<char>('0' + (c - L'\xFF10'));
        else if (c == L'\xFF0B')
            ascii += '+';
        else if (c == L'\xFF0D')
            ascii += '-';
        else if (c == L'\xFF0E')
            ascii += '.';
        else if (c == L'\x3000')
            ascii += ' ';
        else if (c > 0 && c < 0x80)
            ascii += static_cast<char>(c);
        else
            ascii += '\x01';
    }
    return ascii;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double textToNumber(std::string_view text) {
    const std::string ascii = asciiNumberText(text);
    size_t i = 0;
    while (i < ascii.size() && (ascii[i] == ' ' || ascii[i] == '\t')) ++i;
    const size_t start = i;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) ++i;
    size_t digits = 0;
    while (i < ascii.size() && isDigit(ascii[i])) ++i, ++digits;
    if (i < ascii.size() && ascii[i] == '.') {
        ++i;
        while (i < ascii.size() && isDigit(ascii[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        size_t j = i + 1;
        if (j < ascii.size() && (ascii[j] == '+' || ascii[j] == '-')) ++j;
        if (j < ascii.size() && isDigit(ascii[j])) {
            while (j < ascii.size() && isDigit(ascii[j])) ++j;
            i = j;
        }
    }
    // strtod reads exactly the part checked above; it never sees hex or "inf".
    return std::strtod(ascii.substr(start, i - start).c_str(), nullptr);
}

std::string numberToText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return buffer;
}

std::int64_t textToWholeNumber(std::string_view text) {
    const std::string ascii = asciiNumberText(text);
    size_t i = 0;
    while (i < ascii.size() && (ascii[i] == ' ' || ascii[i] == '\t')) ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative ? static_cast<std::uint64_t>(kMax) + 1 : static_cast<std::uint64_t>(kMax);
    for (; i < ascii.size() && isDigit(ascii[i]); ++i) {
        const unsigned digit = static_cast<unsigned>(ascii[i] - '0');
        if (magnitude > (limit - digit) / 10) {
            magnitude = limit;  // saturate
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative) return magnitude == limit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace pixmora::host
