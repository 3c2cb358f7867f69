#pragma once

#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Reads the header and the flag locations from a flag text whose lines end in
// CR LF. A text without any CR LF is one line; otherwise the reading ends at the
// last CR LF and a line after it is not read. Lines beginning with '#' set the
// header (the last one wins), lines beginning with '<' are flag locations, all
// others are ignored. A malformed flag line, or a fourth one, is a RuntimeFailure.
FlagSet ReadFlagText(std::u16string_view text);

}  // namespace flg2scn
