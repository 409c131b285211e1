#pragma once

#include <optional>
#include <string_view>

namespace calc {

// Reads the leading number of a text the way the calculator reads its inputs.
//
// Blanks, tabs and line feeds are ignored wherever they stand. What remains is read from its
// start: an optional sign, digits with at most one ".", and an optional exponent introduced by
// E or D in either case. Reading stops at the first character that cannot continue the number;
// a text that does not begin with one reads as 0. "&H" and "&O" (either case) introduce a
// hexadecimal or octal integer, taken as a signed 16-bit value when it fits in 16 bits and as a
// signed 32-bit value otherwise. Only "." is a decimal point, whatever the locale.
//
// Returns std::nullopt ("no number") when the number lies beyond the largest finite double or
// a hexadecimal/octal value needs more than 32 bits; every computation using it must then fail.
// A number too small for a double reads as a zero of its sign.
//
// Ex: " 1 2 " -> 12; "12abc" -> 12; "2,5" -> 2; "1.5d3" -> 1500; ".5" -> 0.5; "abc" -> 0;
//     "&HFFFF" -> -1; "&H10" -> 16; "&H10000" -> 65536;
//     "1E400" -> nullopt; "&H100000000" -> nullopt
//
// Correctly rounded, linear in the length of the text, allocates nothing, never throws.
std::optional<double> readNumber(std::u16string_view text) noexcept;

} // namespace calc
