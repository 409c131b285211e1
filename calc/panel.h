#pragma once

// The calculator panel: six texts that Solve and Reset read and write.

#include <concepts>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::u16string_view kZeroNotice = u"You can't enter Zero";
inline constexpr std::u16string_view kNoResult = u"OOOps..A Mistake !";

struct Panel {
    std::u16string voltage; // inputs, typed by the user
    std::u16string current;
    std::u16string resistance;
    std::u16string resultName; // outputs
    std::u16string resultValue;
    std::u16string resultUnit;
};

namespace detail {

// The numbers read from the three inputs; std::nullopt for an input outside the double range.
struct Readings {
    std::optional<double> voltage;
    std::optional<double> current;
    std::optional<double> resistance;
};

Readings readInputs(const Panel& panel) noexcept;
bool isZeroText(std::u16string_view text) noexcept;
void computeResult(Panel& panel, const Readings& readings, char16_t decimalSeparator);

} // namespace detail

// Finds the missing one of voltage, current and resistance (V = I * R) from the inputs left
// empty (exactly ""), and writes the result line. Calls `zeroNotice` once, in the order
// voltage, current, resistance, for each input that is exactly "0", and goes on. A result
// that is not positive or not computed at all shows kNoResult with an empty name and unit.
// The value is rounded to 3 places and written with `decimalSeparator`.
//
// Ex: {"", "2", "5"} -> "Voltage", "10", "Volts", no notice
//     {"10", "3", ""} -> "Resistance", "3.333", "Ohms"
//     {"0", "0", ""} -> "", "OOOps..A Mistake !", "", two notices
//     {"10", "2", "5"} -> "", "OOOps..A Mistake !", "" (nothing to find)
template <std::invocable ZeroNotice>
void solve(Panel& panel, ZeroNotice&& zeroNotice, char16_t decimalSeparator = u'.') {
    // Read before the notices, which may take a while on screen; the texts are compared as
    // typed, so "0.0" or " 0" read as 0 without a notice.
    const detail::Readings readings = detail::readInputs(panel);
    if (detail::isZeroText(panel.voltage))
        zeroNotice();
    if (detail::isZeroText(panel.current))
        zeroNotice();
    if (detail::isZeroText(panel.resistance))
        zeroNotice();
    detail::computeResult(panel, readings, decimalSeparator);
}

// Clears all six fields.
//
// Ex: {"10", "", "4", "Current", "2.5", "Amperes"} -> all ""
void reset(Panel& panel) noexcept;

} // namespace calc
