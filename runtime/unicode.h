#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// UTF-16 text to UTF-8 bytes and back, for file names and system messages. What
// does not convert (a lone surrogate, a malformed byte sequence) becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view bytes);

// The two halves of a UTF-16 surrogate pair.
constexpr bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace flg2scn
