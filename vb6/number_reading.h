#pragma once

#include <string_view>

namespace flg2scn {

// Visual Basic 6's number reading (its Val function): blanks, tabs and line feeds are
// skipped anywhere; then an optional sign, digits with at most one '.', and an
// exponent (E or D, optional sign, digits) when a digit follows its letter.
// "&H" and "&O" read a hexadecimal or octal whole number. Reading stops at the
// first character that cannot continue the number; no number gives 0. A value
// too large for a double is a RuntimeFailure; a too small one is 0.
double ReadNumber(std::u16string_view text);

}  // namespace flg2scn
