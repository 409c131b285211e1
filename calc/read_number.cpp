#include "calc/read_number.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace calc {
namespace {

// Significant digits beyond this many cannot change how a decimal rounds to a double (767 is
// the most any halfway point needs), as long as a nonzero tail is remembered as a sticky digit.
constexpr int kKeptDigits = 800;

// Exponents beyond this are far outside the double range for any mantissa we keep.
constexpr std::int64_t kExponentLimit = 100000;

// Integers below 10^15 and powers of ten up to 10^22 are exact in a double.
constexpr int kExactDigits = 15;
constexpr int kExactPowers = 22;
constexpr double kPowersOfTen[kExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr bool isBlank(char16_t c) noexcept {
    return c == u' ' || c == u'\t' || c == u'\n';
}

constexpr bool isDigit(char16_t c) noexcept {
    return c >= u'0' && c <= u'9';
}

// Walks the text with blanks skipped, as if they had never been typed.
class Cursor {
public:
    explicit Cursor(std::u16string_view text) noexcept
        : m_pos(text.data()), m_end(text.data() + text.size()) {}

    // The next code unit that is not a blank, or 0 at the end (a 0 code unit ends a number
    // anyway).
    char16_t peek() noexcept {
        while (m_pos != m_end && isBlank(*m_pos))
            ++m_pos;
        return m_pos == m_end ? char16_t{0} : *m_pos;
    }
    void advance() noexcept { ++m_pos; }

private:
    const char16_t* m_pos;
    const char16_t* m_end;
};

// Digit values of '0'-'9', 'A'-'F' and 'a'-'f'; 99 for every other ASCII code unit.
constexpr auto kRadixDigits = [] {
    std::array<std::uint8_t, 128> table{};
    table.fill(99);
    for (int i = 0; i < 10; ++i)
        table[static_cast<std::size_t>('0' + i)] = static_cast<std::uint8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table[static_cast<std::size_t>('A' + i)] = static_cast<std::uint8_t>(10 + i);
        table[static_cast<std::size_t>('a' + i)] = static_cast<std::uint8_t>(10 + i);
    }
    return table;
}();

unsigned radixDigit(char16_t c) noexcept {
    return c < kRadixDigits.size() ? kRadixDigits[c] : 99u;
}

std::optional<double> readRadixInteger(Cursor& cursor, unsigned bitsPerDigit) noexcept {
    const unsigned radix = 1u << bitsPerDigit;
    std::uint64_t value = 0;
    for (unsigned digit = radixDigit(cursor.peek()); digit < radix;
         digit = radixDigit(cursor.peek())) {
        cursor.advance();
        value = (value << bitsPerDigit) | digit;
        if (value > 0xFFFF'FFFFu)
            return std::nullopt;
    }
    if (value <= 0xFFFFu)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

std::int64_t readExponent(Cursor& cursor) noexcept {
    bool negative = false;
    if (const char16_t sign = cursor.peek(); sign == u'+' || sign == u'-') {
        negative = sign == u'-';
        cursor.advance();
    }
    std::int64_t exponent = 0;
    for (char16_t c = cursor.peek(); isDigit(c); c = cursor.peek()) {
        cursor.advance();
        if (exponent < kExponentLimit)
            exponent = exponent * 10 + (c - u'0');
    }
    return negative ? -exponent : exponent;
}

std::optional<double> readDecimal(Cursor& cursor) noexcept {
    bool negative = false;
    if (const char16_t sign = cursor.peek(); sign == u'+' || sign == u'-') {
        negative = sign == u'-';
        cursor.advance();
    }

    // The number is digits[0..count) * 10^exponent, plus a sticky digit for a dropped tail.
    char digits[kKeptDigits + 1 + 16];
    int count = 0;
    std::uint64_t leadingValue = 0; // the first digits as an integer, for the fast path
    std::int64_t exponent = 0;
    bool droppedNonzero = false;
    bool sawDigit = false;
    bool sawPoint = false;
    for (;;) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            cursor.advance();
            sawDigit = true;
            if (count == 0 && c == u'0') {
                exponent -= sawPoint ? 1 : 0;
            } else if (count < kKeptDigits) {
                digits[count++] = static_cast<char>(c);
                exponent -= sawPoint ? 1 : 0;
                if (count <= kExactDigits)
                    leadingValue = leadingValue * 10 + static_cast<std::uint64_t>(c - u'0');
            } else {
                droppedNonzero = droppedNonzero || c != u'0';
                exponent += sawPoint ? 0 : 1;
            }
        } else if (c == u'.' && !sawPoint) {
            cursor.advance();
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return 0.0;

    if (const char16_t c = cursor.peek(); c == u'E' || c == u'e' || c == u'D' || c == u'd') {
        cursor.advance();
        exponent += readExponent(cursor);
    }
    if (count == 0)
        return negative ? -0.0 : 0.0;
    // Typical input: both the digits and the power of ten are exact doubles, so one
    // multiplication or division rounds correctly.
    if (count <= kExactDigits && exponent >= -kExactPowers && exponent <= kExactPowers) {
        const double whole = static_cast<double>(leadingValue);
        const double power = kPowersOfTen[exponent < 0 ? -exponent : exponent];
        const double value = exponent < 0 ? whole / power : whole * power;
        return negative ? -value : value;
    }
    if (droppedNonzero) {
        digits[count++] = '1';
        exponent -= 1;
    }
    if (exponent > kExponentLimit)
        exponent = kExponentLimit;
    if (exponent < -kExponentLimit)
        exponent = -kExponentLimit;

    char* end = digits + count;
    *end++ = 'e';
    end = std::to_chars(end, digits + sizeof digits, exponent).ptr;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits, end, value);
    if (ec == std::errc::result_out_of_range) {
        // At least one digit before the point means the magnitude is >= 1: an overflow.
        if (count + exponent > 0)
            return std::nullopt;
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<double> readNumber(std::u16string_view text) noexcept {
    Cursor cursor(text);
    if (cursor.peek() != u'&')
        return readDecimal(cursor);
    cursor.advance();
    switch (cursor.peek()) {
    case u'H':
    case u'h':
        cursor.advance();
        return readRadixInteger(cursor, 4);
    case u'O':
    case u'o':
        cursor.advance();
        return readRadixInteger(cursor, 3);
    default:
        return 0.0;
    }
}

} // namespace calc
