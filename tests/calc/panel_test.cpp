#include "calc/panel.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

// The result line and the notice count as one comparable text: "name|value|unit|notices".
std::string outcome(const calc::Panel& panel, int notices) {
    return narrow(panel.resultName) + "|" + narrow(panel.resultValue) + "|" +
           narrow(panel.resultUnit) + "|" + std::to_string(notices);
}

struct SolveCase {
    const char* name;
    std::u16string voltage;
    std::u16string current;
    std::u16string resistance;
    const char* expected; // as outcome() writes it
};

std::ostream& operator<<(std::ostream& os, const SolveCase& c) {
    return os << c.name;
}

int solveCounting(calc::Panel& panel, char16_t separator = u'.') {
    int notices = 0;
    calc::solve(
        panel, [&] { ++notices; }, separator);
    return notices;
}

class SolveTest : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveTest, Outcome) {
    const SolveCase& c = GetParam();
    calc::Panel panel{c.voltage, c.current, c.resistance, u"stale", u"stale", u"stale"};
    const int notices = solveCounting(panel);
    EXPECT_EQ(outcome(panel, notices), c.expected);
    EXPECT_EQ(narrow(panel.voltage), narrow(c.voltage)) << "inputs are never written";
    EXPECT_EQ(narrow(panel.current), narrow(c.current));
    EXPECT_EQ(narrow(panel.resistance), narrow(c.resistance));
}

// The outcome table, row by row.
const SolveCase kOutcomeTable[] = {
    {"VoltageFromCurrentAndResistance", u"", u"2", u"5", "Voltage|10|Volts|0"},
    {"CurrentFromVoltageAndResistance", u"10", u"", u"4", "Current|2.5|Amperes|0"},
    {"ResistanceRoundsDown", u"10", u"3", u"", "Resistance|3.333|Ohms|0"},
    {"ResistanceRoundsUp", u"2", u"3", u"", "Resistance|0.667|Ohms|0"},
    {"TwoNegativesArePositive", u"-10", u"-2", u"", "Resistance|5|Ohms|0"},
    {"TrailingLettersIgnored", u"12abc", u"4", u"", "Resistance|3|Ohms|0"},
    {"PositiveRoundsToZero", u"0.0001", u"1", u"", "Resistance|0|Ohms|0"},
    {"NothingEmpty", u"10", u"2", u"5", "|OOOps..A Mistake !||0"},
    {"AllEmpty", u"", u"", u"", "|OOOps..A Mistake !||0"},
    {"VoltageAndCurrentEmpty", u"", u"", u"5", "|OOOps..A Mistake !||0"},
    {"CurrentAndResistanceEmpty", u"10", u"", u"", "|OOOps..A Mistake !||0"},
    {"ZeroVoltage", u"0", u"2", u"", "|OOOps..A Mistake !||1"},
    {"ZeroCurrent", u"10", u"0", u"", "|OOOps..A Mistake !||1"},
    {"ZeroVoltageAndCurrent", u"0", u"0", u"", "|OOOps..A Mistake !||2"},
    {"NegativeResult", u"-10", u"2", u"", "|OOOps..A Mistake !||0"},
};
INSTANTIATE_TEST_SUITE_P(OutcomeTable, SolveTest, testing::ValuesIn(kOutcomeTable),
                         [](const auto& info) { return std::string(info.param.name); });

// Zero texts compared as typed, blank-only inputs, several computations in one run, and
// inputs outside the double range.
const SolveCase kMoreCases[] = {
    {"BlankOnlyIsNotEmpty", u"  ", u"2", u"", "|OOOps..A Mistake !||0"},
    {"ZeroPointZeroNoNotice", u"0.0", u"2", u"", "|OOOps..A Mistake !||0"},
    {"BlankZeroNoNotice", u" 0", u"2", u"", "|OOOps..A Mistake !||0"},
    {"DoubleZeroNoNotice", u"00", u"2", u"", "|OOOps..A Mistake !||0"},
    {"LetterONoNotice", u"O", u"2", u"", "|OOOps..A Mistake !||0"},
    {"ThreeZeros", u"0", u"0", u"0", "|OOOps..A Mistake !||3"},
    {"ZeroResistanceDividesByZero", u"10", u"", u"0", "|OOOps..A Mistake !||1"},
    {"ZeroCurrentDividesByZeroOverPositive", u"", u"0", u"5", "|OOOps..A Mistake !||1"},
    {"OverflowFails", u"", u"1E200", u"1E200", "|OOOps..A Mistake !||0"},
    {"LargeVoltageInExponentForm", u"", u"1E10", u"1E10", "Voltage|1E+20|Volts|0"},
    {"VoltageInputOutOfRange", u"1E400", u"2", u"", "|OOOps..A Mistake !||0"},
    {"NegativeOutOfRange", u"", u"-1E999", u"5", "|OOOps..A Mistake !||0"},
    {"HexTooWide", u"&H100000000", u"", u"2", "|OOOps..A Mistake !||0"},
    {"HexInput", u"&H10", u"", u"4", "Current|4|Amperes|0"},
    {"UnusedInputOutOfRange", u"", u"2", u"1E400", "|OOOps..A Mistake !||0"},
};
INSTANTIATE_TEST_SUITE_P(More, SolveTest, testing::ValuesIn(kMoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Solve, WritesTheCallersDecimalSeparator) {
    calc::Panel panel{u"10", u"", u"4", {}, {}, {}};
    solveCounting(panel, u',');
    EXPECT_EQ(narrow(panel.resultValue), "2,5");
}

TEST(Solve, FilledInputsClearAnEarlierResultLine) {
    calc::Panel panel{u"10", u"3", u"", {}, {}, {}};
    solveCounting(panel);
    ASSERT_EQ(outcome(panel, 0), "Resistance|3.333|Ohms|0");
    // Moved in from a string, not assigned from the literal: g++ 12 at -O2 and above warns
    // falsely (-Wrestrict) inside libstdc++ on the literal's assignment.
    panel.resistance = std::u16string(u"5");
    solveCounting(panel);
    EXPECT_EQ(outcome(panel, 0), "|OOOps..A Mistake !||0");
}

TEST(Solve, NoticesComeBeforeTheResultIsWritten) {
    calc::Panel panel{u"0", u"2", u"", u"old", u"old", u"old"};
    std::string seenDuringNotice;
    calc::solve(panel, [&] { seenDuringNotice = narrow(panel.resultValue); });
    EXPECT_EQ(seenDuringNotice, "old");
}

TEST(Reset, ClearsAllSixFieldsAfterSolve) {
    calc::Panel panel{u"10", u"", u"4", {}, {}, {}};
    solveCounting(panel);
    ASSERT_EQ(narrow(panel.resultValue), "2.5");
    calc::reset(panel);
    EXPECT_EQ(narrow(panel.voltage + panel.current + panel.resistance + panel.resultName +
                     panel.resultValue + panel.resultUnit),
              "");
}

} // namespace
