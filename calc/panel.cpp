#include "calc/panel.h"

#include "calc/arithmetic.h"
#include "calc/read_number.h"
#include "calc/write_number.h"

namespace calc {
namespace detail {
namespace {

using Operation = std::optional<double> (*)(double, double) noexcept;

// An input outside the double range makes every computation that uses it fail.
std::optional<double> compute(Operation operation, std::optional<double> left,
                              std::optional<double> right) noexcept {
    if (!left || !right)
        return std::nullopt;
    return operation(*left, *right);
}

} // namespace

Readings readInputs(const Panel& panel) noexcept {
    return {readNumber(panel.voltage), readNumber(panel.current), readNumber(panel.resistance)};
}

bool isZeroText(std::u16string_view text) noexcept {
    return text == u"0";
}

void computeResult(Panel& panel, const Readings& readings, char16_t decimalSeparator) {
    const auto& [voltage, current, resistance] = readings;

    // From here on a computation that fails is skipped in silence and leaves the result as it
    // was, possibly unassigned; a later one that succeeds replaces an earlier one.
    std::optional<double> result;
    const auto assign = [&result](std::optional<double> value) {
        if (value)
            result = value;
    };
    if (panel.voltage.empty())
        assign(compute(product, resistance, current));
    if (panel.current.empty())
        assign(compute(quotient, voltage, resistance));
    if (panel.resistance.empty())
        assign(compute(quotient, voltage, current));

    // Written in this order, voltage's name wins over current's over resistance's.
    if (panel.resistance.empty()) {
        panel.resultName = u"Resistance";
        panel.resultUnit = u"Ohms";
    }
    if (panel.current.empty()) {
        panel.resultName = u"Current";
        panel.resultUnit = u"Amperes";
    }
    if (panel.voltage.empty()) {
        panel.resultName = u"Voltage";
        panel.resultUnit = u"Volts";
    }

    // An unassigned result counts as 0; the marker below replaces its text.
    panel.resultValue = writeNumber(roundToThousandths(result.value_or(0.0)), decimalSeparator);

    // Tested on the unrounded result: a positive value that rounds to 0 still shows as "0".
    if (notPositive(result)) {
        panel.resultValue = kNoResult;
        panel.resultName.clear();
        panel.resultUnit.clear();
    }
}

} // namespace detail

void reset(Panel& panel) noexcept {
    panel.voltage.clear();
    panel.current.clear();
    panel.resistance.clear();
    panel.resultValue.clear();
    panel.resultName.clear();
    panel.resultUnit.clear();
}

} // namespace calc
