#include "calc/arithmetic.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct OperationCase {
    const char* name;
    std::optional<double> (*operation)(double, double) noexcept;
    double left;
    double right;
    std::optional<double> expected;
};

std::ostream& operator<<(std::ostream& os, const OperationCase& c) {
    return os << c.name;
}

class OperationTest : public testing::TestWithParam<OperationCase> {};

TEST_P(OperationTest, Computes) {
    const OperationCase& c = GetParam();
    const std::optional<double> actual = c.operation(c.left, c.right);
    ASSERT_EQ(actual.has_value(), c.expected.has_value());
    if (actual) {
        EXPECT_EQ(*actual, *c.expected);
    }
}

const OperationCase kOperationCases[] = {
    {"ProductSimple", calc::product, 2.0, 5.0, 10.0},
    {"ProductOverflow", calc::product, 1e200, 1e200, std::nullopt},
    {"ProductNegativeOverflow", calc::product, -1e200, 1e200, std::nullopt},
    {"ProductLargest", calc::product, kMax, 1.0, kMax},
    {"ProductUnderflowIsZero", calc::product, 1e-200, 1e-200, 0.0},
    {"ProductInfinityOperand", calc::product, kInf, 0.0, std::nullopt},
    {"QuotientSimple", calc::quotient, 10.0, 4.0, 2.5},
    {"QuotientZeroDividend", calc::quotient, 0.0, 5.0, 0.0},
    {"QuotientByZero", calc::quotient, 10.0, 0.0, std::nullopt},
    {"QuotientByNegativeZero", calc::quotient, 10.0, -0.0, std::nullopt},
    {"QuotientZeroByZero", calc::quotient, 0.0, 0.0, std::nullopt},
    {"QuotientOverflow", calc::quotient, 1e300, 1e-300, std::nullopt},
    {"QuotientByInfinity", calc::quotient, 1.0, kInf, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Table, OperationTest, testing::ValuesIn(kOperationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotPositive, CountsUnassignedAndNegativeZero) {
    EXPECT_TRUE(calc::notPositive(std::nullopt));
    EXPECT_TRUE(calc::notPositive(0.0));
    EXPECT_TRUE(calc::notPositive(-0.0));
    EXPECT_TRUE(calc::notPositive(-5.0));
    EXPECT_FALSE(calc::notPositive(0.0001));
    EXPECT_FALSE(calc::notPositive(4.9406564584124654e-324));
}

struct RoundCase {
    const char* name;
    double value;
    double expected;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.name;
}

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, Rounds) {
    const RoundCase& c = GetParam();
    const double actual = calc::roundToThousandths(c.value);
    EXPECT_EQ(actual, c.expected);
    EXPECT_EQ(std::signbit(actual), std::signbit(c.expected)) << "sign";
}

const RoundCase kRoundCases[] = {
    {"TenThirds", 10.0 / 3.0, 3.333},
    {"TwoThirds", 2.0 / 3.0, 0.667},
    {"TenThousandth", 0.0001, 0.0},
    {"HalfwayDown", 0.0625, 0.062},
    {"HalfwayUp", 0.1875, 0.188},
    {"NegativeHalfway", -0.0625, -0.062},
    {"NegativeTiny", -0.0001, -0.0},
    {"StoredBelowHalfway", 1.0005, 1.0},   // 1.000499999999999944...
    {"StoredAboveHalfway", 2.0005, 2.001}, // 2.000500000000000166...
    {"Whole", 12.0, 12.0},
    {"Subnormal", 4.9406564584124654e-324, 0.0},
    {"JustBelowLimit", 8796093022207.999, 8796093022207.999},
    {"AboveLimit", 1e13 + 0.0625, 1e13 + 0.0625},
    {"Largest", kMax, kMax},
};

INSTANTIATE_TEST_SUITE_P(Table, RoundTest, testing::ValuesIn(kRoundCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
