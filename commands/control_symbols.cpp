#include "commands/control_symbols.h"

#include <cstdio>

namespace flg2scn {

// Both in place: a text may be tens of megabytes.
std::u16string ShownText(std::u16string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, u"\r\n") == 0) {
            ++i;
        } else if (ShownAsSymbol(text[i])) {
            text[i] = *SymbolOf(text[i]);
        }
    }
    return text;
}

std::u16string TextShown(std::u16string shown) {
    for (char16_t& c : shown) {
        c = ControlOf(c).value_or(c);
    }
    return shown;
}

std::u16string PastedText(std::u16string_view pasted) {
    std::u16string text;
    text.reserve(pasted.size() + pasted.size() / 16);
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        const char16_t c = pasted[i];
        if (c == u'\r' || c == u'\n' || c == u'\u2029') {
            text += u"\r\n";
            i += pasted.substr(i, 2) == u"\r\n" ? 1 : 0;
        } else {
            text += c;
        }
    }
    return text;
}

std::string ControlName(char16_t control) {
    if (control == u'\r') {
        return "CR";
    }
    if (control == u'\n') {
        return "LF";
    }
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(control));
    return digits;
}

}  // namespace flg2scn
