#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flg2scn {

// The text areas show a control character, which they cannot hold (a lone CR or
// LF, a NUL) or would draw as nothing, as its symbol from Unicode's Control
// Pictures: U+0000 to U+001F as U+2400 to U+241F, DEL as U+2421. A tab stays a
// tab, and a CR LF is a line break.
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

// Whether a text area shows `c` as its symbol (CR and LF when not a CR LF).
constexpr bool ShownAsSymbol(char16_t c) {
    return c != u'\t' && SymbolOf(c).has_value();
}

// The text as a text area that holds characters only shows it: each control
// character that ShownAsSymbol names as its symbol, the line breaks (CR LF) kept.
std::u16string ShownText(std::u16string text);
// The text that such a text area's characters show: each symbol as its control.
// A symbol character in the text itself reads as its control too, so where a text
// may hold them, the text area keeps them apart itself.
std::u16string TextShown(std::u16string shown);

// Pasted or dropped text as a text area takes it: each of its line breaks (a CR
// LF, a lone CR or LF, U+2029), as other programs put them on the clipboard, as a
// CR LF; every other character, a symbol too, as itself.
std::u16string PastedText(std::u16string_view pasted);

// What a window draws for a control character in its cell: "CR", "LF", or its
// code in two hexadecimal digits ("00" for NUL).
std::string ControlName(char16_t control);

}  // namespace flg2scn
