#include "calc/write_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// A number's significant digits, without trailing zeros, and the power of ten of the first.
struct Decimal {
    char digits[kSignificantDigits + 8] = {};
    int count = 0;
    int exponent = 0;
};

// Fills `decimal` from to_chars' scientific form "d.ddde+XX".
void parseScientific(const char* first, const char* last, Decimal& decimal) noexcept {
    const char* p = first;
    while (p != last && *p != 'e') {
        if (*p != '.')
            decimal.digits[decimal.count++] = *p;
        ++p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, decimal.exponent);
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
}

// Fills `decimal` from a whole number below 10^15 that has `scale` implied decimals.
void fromScaledInteger(std::uint64_t scaled, int scale, Decimal& decimal) noexcept {
    char reversed[20];
    int n = 0;
    for (; scaled != 0; scaled /= 10)
        reversed[n++] = static_cast<char>('0' + scaled % 10);
    decimal.exponent = n - 1 - scale;
    int start = 0;
    while (start < n - 1 && reversed[start] == '0')
        ++start;
    for (int i = n - 1; i >= start; --i)
        decimal.digits[decimal.count++] = reversed[i];
}

// The common case without the general conversion: a value in [0.0001, 10^15) that is the
// nearest double to a decimal of at most 15 digits with at most 6 decimals. Such a decimal is
// the 15-digit rounding, since any decimal of 15 digits survives the round trip.
bool toDecimalQuickly(double magnitude, Decimal& decimal) noexcept {
    constexpr double kMillion = 1e6;
    if (magnitude < 1e-4 || magnitude >= 1e15)
        return false;
    if (magnitude >= 1e9) {
        if (magnitude != static_cast<double>(static_cast<std::uint64_t>(magnitude)))
            return false;
        fromScaledInteger(static_cast<std::uint64_t>(magnitude), 0, decimal);
        return true;
    }
    // Both operands of the check are exact, so it holds exactly when the decimal reads back
    // as `magnitude`; a candidate that is off by one simply fails it.
    const auto scaled = static_cast<std::uint64_t>(magnitude * kMillion + 0.5);
    if (static_cast<double>(scaled) / kMillion != magnitude)
        return false;
    fromScaledInteger(scaled, 6, decimal);
    return true;
}

// Rounds a positive finite value to 15 significant digits.
void toDecimal(double magnitude, Decimal& decimal) noexcept {
    char buffer[40];
    // For a normal double, the shortest digits that read back as the same double are, when
    // there are at most 15 of them, exactly the 15-digit rounding: any decimal of 15 digits
    // survives the round trip. Subnormals have too few bits for that.
    std::to_chars_result result{buffer, {}};
    int digitCount = kSignificantDigits + 1;
    if (magnitude >= std::numeric_limits<double>::min()) {
        result =
            std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
        digitCount = 0;
        for (const char* p = buffer; p != result.ptr && *p != 'e'; ++p)
            digitCount += *p != '.' ? 1 : 0;
    }
    if (digitCount > kSignificantDigits)
        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                               std::chars_format::scientific, kSignificantDigits - 1);
    parseScientific(buffer, result.ptr, decimal);
}

} // namespace

std::size_t writeNumber(double value, char16_t decimalSeparator,
                        std::span<char16_t, kNumberTextCapacity> out) noexcept {
    if (!std::isfinite(value))
        return 0;
    std::size_t n = 0;
    if (value == 0.0) {
        out[n++] = u'0';
        return n;
    }
    if (value < 0.0)
        out[n++] = u'-';

    Decimal decimal;
    if (!toDecimalQuickly(std::fabs(value), decimal))
        toDecimal(std::fabs(value), decimal);

    const auto digit = [&](int i) { return static_cast<char16_t>(decimal.digits[i]); };
    if (decimal.exponent < -4 || decimal.exponent >= kSignificantDigits) {
        out[n++] = digit(0);
        if (decimal.count > 1) {
            out[n++] = decimalSeparator;
            for (int i = 1; i < decimal.count; ++i)
                out[n++] = digit(i);
        }
        out[n++] = u'E';
        out[n++] = decimal.exponent < 0 ? u'-' : u'+';
        int magnitude = decimal.exponent < 0 ? -decimal.exponent : decimal.exponent;
        char exponentDigits[4];
        const int width = magnitude >= 100 ? 3 : 2;
        for (int i = width - 1; i >= 0; --i, magnitude /= 10)
            exponentDigits[i] = static_cast<char>('0' + magnitude % 10);
        for (int i = 0; i < width; ++i)
            out[n++] = static_cast<char16_t>(exponentDigits[i]);
        return n;
    }

    if (decimal.exponent < 0) {
        out[n++] = u'0';
        out[n++] = decimalSeparator;
        for (int i = -1; i > decimal.exponent; --i)
            out[n++] = u'0';
        for (int i = 0; i < decimal.count; ++i)
            out[n++] = digit(i);
        return n;
    }
    for (int i = 0; i <= decimal.exponent; ++i)
        out[n++] = i < decimal.count ? digit(i) : u'0';
    if (decimal.count > decimal.exponent + 1) {
        out[n++] = decimalSeparator;
        for (int i = decimal.exponent + 1; i < decimal.count; ++i)
            out[n++] = digit(i);
    }
    return n;
}

std::u16string writeNumber(double value, char16_t decimalSeparator) {
    char16_t buffer[kNumberTextCapacity];
    const std::size_t length = writeNumber(value, decimalSeparator, buffer);
    return std::u16string(buffer, length);
}

} // namespace calc
