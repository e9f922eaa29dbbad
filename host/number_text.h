#pragma once
// The host's conversions between texts and numbers.
#include <cstdint>
#include <string>
#include <string_view>

namespace pixmora::host {

// The leading numeric part of the text as a number: leading spaces, an
// optional sign, digits with an optional decimal point and an optional
// exponent. Full-width digits, signs and point read like their ASCII forms.
// 0 when the text starts with no number.
double textToNumber(std::string_view text);

// The number written with "%.13g": a whole number has no decimal point.
std::string numberToText(double value);

// The leading whole number of the text as a 64-bit integer (sign and digits
// after leading spaces), saturated at the 64-bit limits; 0 when there is none.
std::int64_t textToWholeNumber(std::string_view text);

}  // namespace pixmora::host
