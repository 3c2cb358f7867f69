#pragma once

#include <string>
#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Takes the lines of a flag text one at a time (without their CR LF). A line
// beginning with '#' sets the header (the last one wins, an empty one too); a
// line beginning with '<' is the next flag location; all others are ignored. A
// malformed flag line, or a fourth one, is a RuntimeFailure.
class FlagTextReader {
  public:
    void ReadLine(std::u16string_view line);
    // The same, taking over the line's storage for a header or a flag's Z: a long
    // line is then held once, not twice.
    void ReadLine(std::u16string&& line);
    const FlagSet& flags() const { return flags_; }

  private:
    std::u16string_view ReadFlagLocation(std::u16string_view line);

    FlagSet flags_;
};

}  // namespace flg2scn
