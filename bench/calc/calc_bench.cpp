// The core's reading and writing against the standard library's own conversions on the same
// digits, and a whole Solve. Compare the pairs in one run of a Release build. The conversions
// live in other translation units, so constant inputs are not folded away; DoNotOptimize is
// kept to results, as GCC 12 has mangled doubles passed through its read-write form.

#include "calc/panel.h"
#include "calc/read_number.h"
#include "calc/write_number.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct TypedInput {
    std::u16string_view text; // as the user typed it
    std::string_view digits;  // what std::from_chars gets: the number alone
    bool hexadecimal;
};

constexpr TypedInput kInputs[] = {
    {u"10", "10", false},       {u"2.5", "2.5", false},     {u" 1 2 ", "12", false},
    {u"1.5E3", "1.5E3", false}, {u"12abc", "12abc", false}, {u"&HFFFF", "FFFF", true},
};

void readNumber(benchmark::State& state) {
    const TypedInput& input = kInputs[state.range(0)];
    state.SetLabel(std::string(input.digits));
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::readNumber(input.text));
    }
}
BENCHMARK(readNumber)->DenseRange(0, 5);

void fromChars(benchmark::State& state) {
    const TypedInput& input = kInputs[state.range(0)];
    state.SetLabel(std::string(input.digits));
    for (auto _ : state) {
        const std::string_view digits = input.digits;
        if (input.hexadecimal) {
            std::uint16_t value = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
            benchmark::DoNotOptimize(static_cast<double>(static_cast<std::int16_t>(value)));
        } else {
            double value = 0;
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
}
BENCHMARK(fromChars)->DenseRange(0, 5);

constexpr double kValues[] = {10.0, 2.5, 3.333, 0.667, 1e15, 1234.5678};

void writeNumberToBuffer(benchmark::State& state) {
    const double value = kValues[state.range(0)];
    char16_t buffer[calc::kNumberTextCapacity];
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::writeNumber(value, u'.', buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(writeNumberToBuffer)->DenseRange(0, 5);

void writeNumberToString(benchmark::State& state) {
    const double value = kValues[state.range(0)];
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::writeNumber(value, u'.'));
    }
}
BENCHMARK(writeNumberToString)->DenseRange(0, 5);

void toChars(benchmark::State& state) {
    const double value = kValues[state.range(0)];
    char buffer[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, value));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(toChars)->DenseRange(0, 5);

struct Row {
    std::u16string_view voltage;
    std::u16string_view current;
    std::u16string_view resistance;
};

constexpr Row kOutcomeRows[] = {
    {u"", u"2", u"5"},    {u"10", u"", u"4"},    {u"10", u"3", u""},     {u"2", u"3", u""},
    {u"-10", u"-2", u""}, {u"12abc", u"4", u""}, {u"0.0001", u"1", u""}, {u"10", u"2", u"5"},
    {u"", u"", u""},      {u"", u"", u"5"},      {u"10", u"", u""},      {u"0", u"2", u""},
    {u"10", u"0", u""},   {u"0", u"0", u""},     {u"-10", u"2", u""},
};

// One Solve per iteration, cycling through the outcome table; the panel is reused as the main
// window reuses its controls.
void solve(benchmark::State& state) {
    calc::Panel panel;
    int notices = 0;
    std::size_t row = 0;
    for (auto _ : state) {
        const Row& r = kOutcomeRows[row];
        row = (row + 1) % std::size(kOutcomeRows);
        panel.voltage = r.voltage;
        panel.current = r.current;
        panel.resistance = r.resistance;
        calc::solve(panel, [&] { ++notices; });
        benchmark::DoNotOptimize(panel.resultValue.data());
    }
    benchmark::DoNotOptimize(notices);
}
BENCHMARK(solve);

} // namespace
