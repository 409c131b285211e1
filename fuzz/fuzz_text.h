#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Arbitrary bytes as UTF-16 code units, two bytes each, lone surrogates and all.
inline std::u16string utf16FromBytes(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}
