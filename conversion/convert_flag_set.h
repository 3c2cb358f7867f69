#pragma once

#include <string>
#include <variant>

#include "conversion/flag_set.h"
#include "conversion/problem.h"

namespace flg2scn {

// Checks what a flag text held (a header first, then exactly two flag locations)
// and gives the scenario text, or the problem.
std::variant<std::u16string, Problem> ConvertFlagSet(const FlagSet& flags);

}  // namespace flg2scn
