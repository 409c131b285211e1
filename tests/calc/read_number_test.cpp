#include "calc/read_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

struct ReadCase {
    const char* name;
    std::u16string text;
    std::optional<double> expected;
};

std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
    return os << c.name;
}

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, Reads) {
    const ReadCase& c = GetParam();
    const std::optional<double> actual = calc::readNumber(c.text);
    ASSERT_EQ(actual.has_value(), c.expected.has_value());
    if (actual) {
        EXPECT_EQ(*actual, *c.expected);
        EXPECT_EQ(std::signbit(*actual), std::signbit(*c.expected)) << "sign of zero";
    }
}

const ReadCase kReadCases[] = {
    {"Empty", u"", 0.0},
    {"Letters", u"abc", 0.0},
    {"BlanksBetweenDigits", u" 1 2 ", 12.0},
    {"BlanksTabsLineFeeds", u" 2\t45\n7", 2457.0},
    {"CarriageReturnStops", u"2\r5", 2.0},
    {"TrailingLetters", u"12abc", 12.0},
    {"CommaEndsNumber", u"2,5", 2.0},
    {"ExponentE", u"1.5E3", 1500.0},
    {"ExponentLowerD", u"1.5d3", 1500.0},
    {"ExponentUpperD", u"2D2", 200.0},
    {"ExponentNegative", u"25e-1", 2.5},
    {"ExponentWithBlanks", u"1 e - 2", 0.01},
    {"ExponentWithoutDigits", u"7E", 7.0},
    {"ExponentSignWithoutDigits", u"7E+x", 7.0},
    {"LeadingPoint", u".5", 0.5},
    {"NegativeLeadingPoint", u"-.5", -0.5},
    {"TrailingPoint", u"5.", 5.0},
    {"PointAlone", u".", 0.0},
    {"Minus", u"-3", -3.0},
    {"Plus", u"+4", 4.0},
    {"SignAlone", u"-", 0.0},
    {"TwoSigns", u"+-3", 0.0},
    {"SignAfterBlank", u" - 3", -3.0},
    {"NegativeZero", u"-0", -0.0},
    {"TwoPoints", u"1.2.3", 1.2},
    {"WordsAfterNumber", u"24 and 57", 24.0},
    {"ExponentOnly", u"E5", 0.0},
    {"ZeroWithHugeExponent", u"0E999999", 0.0},
    {"LeadingZeros", u"000123.4500", 123.45},
    {"FractionLeadingZeros", u"0.000000000000000000000000000001", 1e-30},
    {"HexAllOnes16", u"&HFFFF", -1.0},
    {"HexSmall", u"&H10", 16.0},
    {"HexLowerCase", u"&hff", 255.0},
    {"HexPositive16", u"&H7FFF", 32767.0},
    {"HexNegative16", u"&H8000", -32768.0},
    {"Hex17Bits", u"&H10000", 65536.0},
    {"HexAllOnes32", u"&HFFFFFFFF", -1.0},
    {"HexNegative32", u"&H80000000", -2147483648.0},
    {"HexLeadingZeros", u"&H0000000000000010", 16.0},
    {"HexStopsAtNonDigit", u"&H1G", 1.0},
    {"HexWithBlanks", u" & H 1 0", 16.0},
    {"HexNoDigits", u"&H", 0.0},
    {"Octal", u"&O17", 15.0},
    {"OctalStopsAtEight", u"&O178", 15.0},
    {"OctalAllOnes16", u"&O177777", -1.0},
    {"AmpersandAlone", u"&", 0.0},
    {"SignBeforeHex", u"-&H10", 0.0},
    {"LargestDouble", u"1.7976931348623157E308", 1.7976931348623157e308},
    {"SmallestSubnormal", u"4.9406564584124654E-324", 4.9406564584124654e-324},
    {"BelowSubnormalIsZero", u"1E-400", 0.0},
    {"NegativeBelowSubnormal", u"-1E-400", -0.0},
    {"HugeNegativeExponent", u"1E-99999999999999999999", 0.0},
    // Outside the double range: no number.
    {"AboveRange", u"1E400", std::nullopt},
    {"NegativeAboveRange", u"-1E999", std::nullopt},
    {"JustAboveLargest", u"1.7976931348623159E308", std::nullopt},
    {"HugeExponent", u"1E99999999999999999999", std::nullopt},
    {"Hex33Bits", u"&H100000000", std::nullopt},
    {"Octal33Bits", u"&O40000000000", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, ReadNumberTest, testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadNumber, LongDigitStringsRoundCorrectly) {
    // Just above the halfway point between 1 and its successor, decided only by the last digit.
    std::u16string halfway = u"1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(*calc::readNumber(halfway), 1.0) << "exact halfway rounds to even";
    std::u16string above = halfway + std::u16string(2000, u'0') + u"1";
    EXPECT_EQ(*calc::readNumber(above), 1.0000000000000002);

    // Thousands of integer digits still overflow instead of wrapping the exponent.
    EXPECT_FALSE(calc::readNumber(std::u16string(5000, u'9')).has_value());
    EXPECT_EQ(*calc::readNumber(u"0." + std::u16string(5000, u'0') + u"1E5010"), 1e9);
}

} // namespace
