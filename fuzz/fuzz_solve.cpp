// Solve on arbitrary inputs always leaves a defined panel: the inputs untouched, one notice per
// input that is exactly "0", and either the no-result marker with an empty name and unit or a
// positive number text with a matching name and unit. Reset then clears every field.

#include "calc/panel.h"
#include "calc/read_number.h"
#include "fuzz/fuzz_text.h"

#include <algorithm>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool isNumberText(const std::u16string& text, char16_t separator) {
    if (text.empty() || text.front() == u'-')
        return false;
    for (char16_t c : text)
        if (!((c >= u'0' && c <= u'9') || c == separator || c == u'+' || c == u'-' || c == u'E'))
            return false;
    return true;
}

} // namespace

// Layout: byte 0 picks the separator, bytes 1 and 2 the lengths of the first two inputs in
// code units; the rest, as UTF-16, is cut into the three inputs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const char16_t separator = data[0] % 2 ? u',' : u'.';
    const std::u16string text = utf16FromBytes(data + 3, size - 3);
    const std::size_t first = std::min<std::size_t>(data[1] % 32, text.size());
    const std::size_t second = std::min<std::size_t>(data[2] % 32, text.size() - first);

    calc::Panel panel{text.substr(0, first),
                      text.substr(first, second),
                      text.substr(first + second),
                      u"x",
                      u"y",
                      u"z"};
    const calc::Panel before = panel;
    int notices = 0;
    calc::solve(
        panel, [&] { ++notices; }, separator);

    check(panel.voltage == before.voltage && panel.current == before.current &&
          panel.resistance == before.resistance);
    check(notices ==
          (before.voltage == u"0") + (before.current == u"0") + (before.resistance == u"0"));
    if (panel.resultValue == calc::kNoResult) {
        check(panel.resultName.empty() && panel.resultUnit.empty());
    } else {
        check(isNumberText(panel.resultValue, separator));
        check((panel.resultName == u"Voltage" && panel.resultUnit == u"Volts") ||
              (panel.resultName == u"Current" && panel.resultUnit == u"Amperes") ||
              (panel.resultName == u"Resistance" && panel.resultUnit == u"Ohms"));
        // The name says which input was empty.
        check((panel.resultName == u"Voltage") == panel.voltage.empty());
    }

    calc::reset(panel);
    check(panel.voltage.empty() && panel.current.empty() && panel.resistance.empty() &&
          panel.resultName.empty() && panel.resultValue.empty() && panel.resultUnit.empty());
    return 0;
}
