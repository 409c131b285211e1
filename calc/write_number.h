#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace calc {

// Longest text writeNumber produces ("-1.23456789012346E+308" is 22 code units).
inline constexpr std::size_t kNumberTextCapacity = 24;

// Writes a number as the calculator shows it: at most 15 significant digits, rounded half to
// even on the exact value; no plus sign, no leading blank, no trailing zeros, no point for whole
// numbers. The integer part is written in full up to 15 digits; beyond that, and below 0.0001,
// the exponent form is used: the mantissa, "E", the exponent's sign and at least two digits.
// Zero of either sign is "0". The decimal point is written as `decimalSeparator`, so that the
// caller can hand in the user's locale.
//
// Ex: 10 -> "10"; 2.5 -> "2.5" (or "2,5" with u','); 10.0 / 3 -> "3.33333333333333";
//     999999999999999 -> "999999999999999"; 1e15 -> "1E+15"; -0.0 -> "0"; 0.00001 -> "1E-05";
//     1.23456789012345678e17 -> "1.23456789012346E+17"
//
// An infinity or NaN has no text here and writes the empty text. Locale independent; the span
// form allocates nothing and returns the length written.
std::size_t writeNumber(double value, char16_t decimalSeparator,
                        std::span<char16_t, kNumberTextCapacity> out) noexcept;
std::u16string writeNumber(double value, char16_t decimalSeparator = u'.');

} // namespace calc
