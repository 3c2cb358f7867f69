#pragma once

#include <functional>
#include <string_view>

namespace flg2scn {

// Splits bytes that arrive in pieces into the lines of a sequential file as
// Visual Basic 6's Line Input reads them: a line ends at CR or CR LF, a lone LF
// is an ordinary character, and the last line may end without a break. Nothing
// is held: a line is handed out in parts as its bytes arrive, without its break
// and not yet decoded. A part is empty only when it ends an empty line (or a line whose last
// part came with the piece before), so the first part of a line starts with the
// line's first byte.
class LineSplitter {
  public:
    using PartHandler = std::function<void(std::string_view part, bool line_ends)>;

    explicit LineSplitter(PartHandler on_part) : on_part_(std::move(on_part)) {}

    void Feed(std::string_view piece);
    // Ends a last line that has no break. The splitter takes nothing after it.
    void Finish();
    // Whether a line held an LF that no CR came right before and that a '#' or
    // '<' follows: a header or flag line that LF line ends hid in another line.
    bool saw_hidden_line() const { return saw_hidden_line_; }

  private:
    PartHandler on_part_;
    bool in_line_ = false;   // a part of the current line has been handed out
    bool after_cr_ = false;  // the last piece ended in CR: an LF first in the next belongs to it
    bool after_lone_lf_ = false;  // the last piece ended in a lone LF
    bool saw_hidden_line_ = false;
};

}  // namespace flg2scn
