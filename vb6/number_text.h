#pragma once

#include <string>

namespace flg2scn {

// Visual Basic 6's number formatting (its Str function): a blank, then a '-' for a negative
// value, then at most 15 significant digits, rounded, without trailing zeros or a
// '0' before the point (" .5", " 42", " -5"). Decimal exponents of 15 and more or
// below -4 take the exponent form (" 1E+15", " 1.5E-05"). The point is always '.'.
// A value that is not finite is a RuntimeFailure.
std::u16string NumberText(double value);

}  // namespace flg2scn
