#pragma once

// The calculator panel: six texts that Solve and Reset read and write.

#include <string>
#include <string_view>

namespace calc {

inline constexpr std::u16string_view kZeroNotice = u"You can't enter Zero";
inline constexpr std::u16string_view kNoResult = u"OOOps..A Mistake !";

struct Panel {
    std::u16string voltage;    // inputs, typed by the user
    std::u16string current;
    std::u16string resistance;
    std::u16string resultName; // outputs
    std::u16string resultValue;
    std::u16string resultUnit;
};

} // namespace calc
