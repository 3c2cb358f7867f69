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

std::u16string ShownTextLf(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == u"\r\n") {
            shown += u'\n';
            ++i;
        } else {
            shown += ShownAsSymbol(text[i]) ? *SymbolOf(text[i]) : text[i];
        }
    }
    return shown;
}

std::u16string TextShownLf(std::u16string_view shown) {
    std::u16string text;
    text.reserve(shown.size() + shown.size() / 16);
    for (const char16_t c : shown) {
        if (c == u'\n') {
            text += u"\r\n";
        } else {
            text += ControlOf(c).value_or(c);
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
