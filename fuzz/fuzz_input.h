#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vb6/code_page.h"

namespace flg2scn::fuzz {

// A property that does not hold ends the run as a crash, which the fuzzer reports
// with the input.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The fuzzer's bytes as a text: each byte one character of the code page, which
// reaches every character the flag rules care about; a first byte of 0xFF takes
// the rest as UTF-16 code units instead, so that any character can appear.
inline std::u16string TextFromBytes(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    if (size > 0 && data[0] == 0xFF) {
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        }
        return text;
    }
    return DecodeText({reinterpret_cast<const char*>(data), size});
}

}  // namespace flg2scn::fuzz
