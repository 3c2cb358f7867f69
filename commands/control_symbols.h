#pragma once

#include <optional>
#include <string>

namespace flg2scn {

// The text areas show a control character that they cannot hold or would draw
// as nothing (a lone CR or LF, a NUL) as its symbol from Unicode's Control
// Pictures: U+0000 to U+001F as U+2400 to U+241F, DEL as U+2421.
inline constexpr char16_t kFirstControlSymbol = u'\u2400';
inline constexpr char16_t kDeleteSymbol = u'\u2421';

// The symbol for `control`, or nothing for a character that is not a control.
constexpr std::optional<char16_t> SymbolOf(char16_t control) {
    if (control < 0x20) {
        return static_cast<char16_t>(kFirstControlSymbol + control);
    }
    if (control == u'\x7F') {
        return kDeleteSymbol;
    }
    return std::nullopt;
}

// The control character that `symbol` stands for, or nothing.
constexpr std::optional<char16_t> ControlOf(char16_t symbol) {
    if (symbol >= kFirstControlSymbol && symbol < kFirstControlSymbol + 0x20) {
        return static_cast<char16_t>(symbol - kFirstControlSymbol);
    }
    if (symbol == kDeleteSymbol) {
        return u'\x7F';
    }
    return std::nullopt;
}

// What a window draws for a control character in its cell: "CR", "LF", or its
// code in two hexadecimal digits ("00" for NUL).
std::string ControlName(char16_t control);

}  // namespace flg2scn
