#pragma once

#include <functional>
#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Hands out the lines of a flag text whose lines end in CR LF, without their
// CR LF. A text without any CR LF is one line; otherwise the reading ends at the
// last CR LF and a line after it is not read.
void ForEachFlagLine(std::u16string_view text,
                     const std::function<void(std::u16string_view)>& on_line);

// The header and the flag locations of a flag text, each line read by
// FlagTextReader; a malformed flag line is a RuntimeFailure.
FlagSet ReadFlagText(std::u16string_view text);

}  // namespace flg2scn
