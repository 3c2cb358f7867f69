#include "commands/control_symbols.h"

#include <cstdio>

namespace flg2scn {

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
