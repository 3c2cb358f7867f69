#include "commands/control_symbols.h"

#include <cstdio>

namespace flg2scn {

std::u16string ShownText(std::u16string_view text) {
    std::u16string shown(text);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown.compare(i, 2, u"\r\n") == 0) {
            ++i;
        } else if (ShownAsSymbol(shown[i])) {
            shown[i] = *SymbolOf(shown[i]);
        }
    }
    return shown;
}

std::u16string TextShown(std::u16string_view shown) {
    std::u16string text(shown);
    for (char16_t& c : text) {
        c = ControlOf(c).value_or(c);
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
