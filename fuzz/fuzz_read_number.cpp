// Reading arbitrary UTF-16 never crashes, never yields an infinity or NaN, ignores blanks
// wherever they stand, and whatever it yields writes back as a plain number text.

#include "calc/read_number.h"
#include "calc/write_number.h"
#include "fuzz/fuzz_text.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = utf16FromBytes(data, size);
    const std::optional<double> value = calc::readNumber(text);
    if (value && !std::isfinite(*value))
        std::abort();

    std::u16string withoutBlanks;
    for (char16_t c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            withoutBlanks += c;
    const std::optional<double> again = calc::readNumber(withoutBlanks);
    if (again.has_value() != value.has_value() ||
        (value && std::memcmp(&*value, &*again, sizeof(double)) != 0))
        std::abort();

    if (value) {
        const std::u16string written = calc::writeNumber(*value, u',');
        if (written.empty() || written.size() > calc::kNumberTextCapacity)
            std::abort();
        for (char16_t c : written)
            if (!((c >= u'0' && c <= u'9') || c == u',' || c == u'-' || c == u'+' || c == u'E'))
                std::abort();
    }
    return 0;
}
