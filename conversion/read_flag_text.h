#pragma once

#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Reads the header and the flag locations from a flag text whose lines end in
// CR LF. A text without any CR LF is one line; otherwise the reading ends at the
// last CR LF and a line after it is not read. Each line is read by FlagTextReader.
FlagSet ReadFlagText(std::u16string_view text);

}  // namespace flg2scn
