#include "calc/arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace calc {
namespace {

std::optional<double> finiteOrNothing(double value) noexcept {
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> product(double left, double right) noexcept {
    if (!std::isfinite(left) || !std::isfinite(right))
        return std::nullopt;
    return finiteOrNothing(left * right);
}

std::optional<double> quotient(double dividend, double divisor) noexcept {
    if (divisor == 0.0 || !std::isfinite(dividend) || !std::isfinite(divisor))
        return std::nullopt;
    return finiteOrNothing(dividend / divisor);
}

bool notPositive(std::optional<double> result) noexcept {
    return !result || !(*result > 0.0);
}

double roundToThousandths(double value) noexcept {
    // From 2^43 up a double's spacing exceeds 0.001 by enough that the nearest multiple of
    // 0.001 is nearer to `value` than to any other double; infinities and NaN pass too.
    constexpr double kLarge = 8796093022208.0; // 2^43
    const double magnitude = std::fabs(value);
    if (!(magnitude < kLarge) || magnitude == 0.0)
        return value;

    // magnitude = mantissa * 2^-shift exactly; scale by 1000 in integers so the rounding
    // decision sees the exact value.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int shift = 1074; // subnormal: mantissa * 2^-1074
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        shift = 1075 - biased;
    }
    if (shift <= 0)
        return value; // a whole number already

    const std::uint64_t scaled = mantissa * 1000; // < 2^63
    std::uint64_t thousandths = 0;
    if (shift < 64) {
        thousandths = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (remainder > half || (remainder == half && (thousandths & 1) != 0))
            ++thousandths;
    } // else scaled * 2^-shift < 0.5: rounds to 0

    // thousandths < 2^53, so both operands are exact and the quotient is correctly rounded.
    return std::copysign(static_cast<double>(thousandths) / 1000.0, value);
}

} // namespace calc
