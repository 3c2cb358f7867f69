#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "conversion/flag_set.h"
#include "conversion/problem.h"

namespace flg2scn {

// The outcome of a conversion: the scenario text, or why there is none.
using Conversion = std::variant<std::u16string, Problem>;

// What stops flags read without a failure from making a scenario: no header, or
// other than exactly two flag locations.
std::optional<Problem> CheckFlags(const FlagSet& flags);

// "&Convert It" on the text area's text: the empty text is nothing to convert;
// otherwise its flags are read (ReadFlagText) and checked, and the scenario built.
// A failure while reading or building is the failure problem.
Conversion ConvertFlagText(std::u16string_view text);

}  // namespace flg2scn
