#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "conversion/flag_set.h"

namespace flg2scn {

// Takes the lines of a flag text one at a time (without their line break). A line
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
    // Both ReadLines: `storage`, where given, holds `line` and may be taken over.
    void Read(std::u16string_view line, std::u16string* storage);
    std::u16string_view ReadFlagLocation(std::u16string_view line);

    FlagSet flags_;
};

// Hands out the lines of the text area's text, without their CR LF. The text
// area holds a file's lines each followed by CR LF, but a user may type or paste
// a lone CR or LF, which is then an ordinary character; so only CR LF ends a
// line here, where a file's lines end at CR too. A text without any CR LF is one
// line; otherwise the reading ends at the last CR LF and a line after it is not
// read.
void ForEachFlagLine(std::u16string_view text,
                     const std::function<void(std::u16string_view)>& on_line);

// The header and the flag locations of the text area's text, its lines (as
// ForEachFlagLine gives them) read by FlagTextReader; a malformed flag line is a
// RuntimeFailure.
FlagSet ReadFlagText(std::u16string_view text);

}  // namespace flg2scn
