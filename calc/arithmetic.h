#pragma once

#include <optional>

namespace calc {

// Product and quotient report failure as std::nullopt instead of yielding an infinity or NaN:
// a divisor of 0 (of either sign, whatever the dividend, 0 / 0 included), a result beyond the
// largest finite double, or an operand that is not finite.
//
// Ex: product(2, 5) -> 10; product(1e200, 1e200) -> nullopt;
//     quotient(10, 4) -> 2.5; quotient(0, 5) -> 0;
//     quotient(10, 0) -> nullopt; quotient(0, 0) -> nullopt
std::optional<double> product(double left, double right) noexcept;
std::optional<double> quotient(double dividend, double divisor) noexcept;

// True when a result value is unassigned (counted as 0) or a number <= 0, negative zero included.
//
// Ex: notPositive(std::nullopt) -> true; notPositive(-0.0) -> true; notPositive(0.0001) -> false
bool notPositive(std::optional<double> result) noexcept;

// Brings a number to the nearest multiple of 0.001 (the double closest to it). Only an exact
// binary value lying exactly halfway goes to the even last digit; a double merely close to
// halfway goes to whichever side its exact value is nearer. The sign is kept, so -0.0001
// gives -0.
//
// Ex: 0.0625 -> 0.062; 0.1875 -> 0.188; 10.0 / 3 -> 3.333; 0.0001 -> 0;
//     1.0005 (stored as 1.000499999...) -> 1; 2.0005 (stored as 2.000500000...17) -> 2.001
double roundToThousandths(double value) noexcept;

} // namespace calc
