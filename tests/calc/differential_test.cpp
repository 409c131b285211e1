// Seeded random comparisons against independent references from the C library, taken in the
// C locale so that the references read and write "." whatever the process locale.

#include "calc/arithmetic.h"
#include "calc/read_number.h"
#include "calc/write_number.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <clocale>
#include <random>
#include <string>

namespace {

// Puts the whole process in the C locale while the references run, then restores the locale it
// had. Portable, unlike the per-thread locale calls, and these tests run on one thread.
class CLocale {
public:
    CLocale() {
        if (const char* current = std::setlocale(LC_ALL, nullptr))
            m_previous = current;
        std::setlocale(LC_ALL, "C");
    }
    ~CLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    CLocale(const CLocale&) = delete;
    CLocale& operator=(const CLocale&) = delete;

private:
    std::string m_previous = "C";
};

std::string narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

// A decimal text as a user might type it: sign, digits, point, exponent (E or D), blanks
// anywhere, sometimes a tail that ends the number.
std::u16string randomDecimalText(std::mt19937_64& rng) {
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::string text;
    if (pick(3) == 0)
        text += pick(2) ? '-' : '+';
    const int digitCount = pick(10) == 0 ? 1 + pick(900) : pick(25);
    const int point = pick(3) == 0 ? -1 : pick(digitCount + 1);
    for (int i = 0; i < digitCount; ++i) {
        if (i == point)
            text += '.';
        text += static_cast<char>('0' + (pick(4) == 0 ? 0 : pick(10)));
    }
    if (point == digitCount)
        text += '.';
    if (pick(2) == 0) {
        text += "EeDd"[pick(4)];
        if (pick(2) == 0)
            text += pick(2) ? '-' : '+';
        text += std::to_string(pick(5) == 0 ? pick(100000) : pick(400));
    }
    if (pick(4) == 0) {
        const char* const tails[] = {"abc", ",5", ".3", "e", "E+", "x", " 7"};
        text += tails[pick(7)];
    }
    std::u16string withBlanks;
    for (char c : text) {
        if (pick(8) == 0)
            withBlanks += u" \t\n"[pick(3)];
        withBlanks += static_cast<char16_t>(c);
    }
    return withBlanks;
}

// What strtod is given: the same text without blanks and with "D" spelled "E".
std::string normalised(const std::u16string& text) {
    std::string result;
    for (char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        result += (c == u'D' || c == u'd') ? 'E' : static_cast<char>(c);
    }
    return result;
}

TEST(Differential, ReadNumberMatchesStrtod) {
    const CLocale c;
    std::mt19937_64 rng(20240601);
    for (int i = 0; i < 100000; ++i) {
        const std::u16string text = randomDecimalText(rng);
        const std::string reference = normalised(text);
        char* end = nullptr;
        double expected = std::strtod(reference.c_str(), &end);
        // No number at all reads as plain 0; some C libraries give "-." a negative zero.
        if (end == reference.c_str())
            expected = 0.0;
        const std::optional<double> actual = calc::readNumber(text);
        if (std::isinf(expected)) {
            ASSERT_FALSE(actual.has_value()) << reference;
        } else {
            ASSERT_TRUE(actual.has_value()) << reference;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*actual), std::bit_cast<std::uint64_t>(expected))
                << reference << " read as " << *actual << ", expected " << expected;
        }
    }
}

// Doubles spread over every magnitude, and the places where 15 digits and the exponent form
// change: whole numbers near 10^15, values near powers of ten, ties in the 16th digit.
double randomDouble(std::mt19937_64& rng) {
    switch (rng() % 5) {
    case 0: {
        double value;
        do
            value = std::bit_cast<double>(rng());
        while (!std::isfinite(value));
        return value;
    }
    case 1:
        return static_cast<double>(static_cast<std::int64_t>(rng() % 20000000000000000) -
                                   10000000000000000);
    case 2:
        return std::pow(10.0, static_cast<double>(static_cast<int>(rng() % 40) - 20)) *
               (rng() % 2 ? 1.0 : 0.9999999999999999);
    case 3:
        return static_cast<double>(rng() % 100000000) / 1000.0;
    default:
        return std::ldexp(static_cast<double>(rng() % (std::uint64_t{1} << 53)),
                          static_cast<int>(rng() % 120) - 100);
    }
}

TEST(Differential, WriteNumberMatchesPrintfG15) {
    const CLocale c;
    std::mt19937_64 rng(7);
    for (int i = 0; i < 100000; ++i) {
        const double value = randomDouble(rng);
        const char16_t separator = i % 2 ? u',' : u'.';
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15G", value);
        std::string expected = buffer;
        if (expected == "-0")
            expected = "0";
        for (char& ch : expected)
            ch = ch == '.' ? static_cast<char>(separator) : ch;
        ASSERT_EQ(narrow(calc::writeNumber(value, separator)), expected) << "%.17g" << value;
    }
}

// The exact decimal expansion of |value|, rounded half to even at the third decimal by digit
// arithmetic, then read back by strtod (correctly rounded).
// Needs the C locale.
double referenceRound(double value) {
    static char exact[1500];
    std::snprintf(exact, sizeof exact, "%.1100f", std::fabs(value));

    std::string text = exact;
    const std::size_t point = text.find('.');
    std::string kept = text.substr(0, point) + text.substr(point + 1, 3);
    const std::string rest = text.substr(point + 4);
    const std::size_t nonzeroAfterFirst = rest.find_first_not_of('0', 1);
    const bool up = rest[0] > '5' || (rest[0] == '5' && nonzeroAfterFirst != std::string::npos) ||
                    (rest[0] == '5' && (kept.back() - '0') % 2 == 1);
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    // One character by position: inserting a C string here makes g++ 12 at -O2 and above warn
    // falsely (-Wrestrict) inside libstdc++.
    kept.insert(kept.end() - 3, '.');
    return std::copysign(std::strtod(kept.c_str(), nullptr), value);
}

TEST(Differential, RoundMatchesExactDecimalHalfEven) {
    const CLocale c;
    std::mt19937_64 rng(42);
    std::vector<double> values;
    // Exact ties are the odd multiples of 1/16; near-ties are the doubles around (2k+1)/2000.
    for (int k = -2000; k < 2000; k += 2)
        values.push_back((k + 1) / 16.0);
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, static_cast<double>(rng() % 14));
        const double near = static_cast<double>(2 * (rng() % 1000000) + 1) / 2000.0 * scale;
        values.insert(values.end(), {near, std::nextafter(near, 0.0), std::nextafter(near, 1e300),
                                     -near, randomDouble(rng)});
    }
    for (double value : values) {
        const double expected = referenceRound(value);
        const double actual = calc::roundToThousandths(value);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << std::hexfloat << value << " rounded to " << actual << ", expected " << expected;
    }
}

} // namespace
