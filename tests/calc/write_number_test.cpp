#include "calc/write_number.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

// Narrow copies of the texts make failures readable in GoogleTest's output.
std::string narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

struct WriteCase {
    const char* name;
    double value;
    char16_t separator;
    const char* expected;
};

std::ostream& operator<<(std::ostream& os, const WriteCase& c) {
    return os << c.name;
}

class WriteNumberTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteNumberTest, Writes) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(narrow(calc::writeNumber(c.value, c.separator)), c.expected);
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

const WriteCase kWriteCases[] = {
    {"Whole", 10.0, u'.', "10"},
    {"Half", 2.5, u'.', "2.5"},
    {"HalfComma", 2.5, u',', "2,5"},
    {"Thousandths", 3.333, u'.', "3.333"},
    {"Negative", -5.0, u'.', "-5"},
    {"Zero", 0.0, u'.', "0"},
    {"NegativeZero", -0.0, u'.', "0"},
    {"FifteenNines", 1e15 - 1, u'.', "999999999999999"},
    {"OneE15", 1e15, u'.', "1E+15"},
    {"RoundsUpToE15", 999999999999999.9, u'.', "1E+15"},
    {"SixteenDigits", 1234567890123456.0, u'.', "1.23456789012346E+15"},
    {"SeventeenDigits", 123456789012345678.0, u'.', "1.23456789012346E+17"},
    {"ExponentComma", 1.5e20, u',', "1,5E+20"},
    {"LargestDouble", kMax, u'.', "1.79769313486232E+308"},
    {"ThirdOfTen", 10.0 / 3.0, u'.', "3.33333333333333"},
    {"FifteenDigitFraction", 0.1 + 0.2, u'.', "0.3"},
    {"TenThousandth", 0.0001, u'.', "0.0001"},
    {"BelowTenThousandth", 0.00001, u'.', "1E-05"},
    {"TinyNegative", -1.25e-300, u'.', "-1.25E-300"},
    {"Subnormal", 4.9406564584124654e-324, u'.', "4.94065645841247E-324"},
    {"Infinity", kInf, u'.', ""},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), u'.', ""},
};

INSTANTIATE_TEST_SUITE_P(Table, WriteNumberTest, testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
