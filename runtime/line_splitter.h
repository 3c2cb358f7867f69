#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace flg2scn {

// Splits bytes that arrive in pieces into the lines of a sequential file, by the
// same rules as DecodeLines: a line ends at CR or CR LF, a lone LF is an ordinary
// character, and the last line may end without a break. Lines are handed out
// without their break and in the file's bytes, not yet decoded.
class LineSplitter {
  public:
    using LineHandler = std::function<void(std::string_view)>;

    explicit LineSplitter(LineHandler on_line) : on_line_(std::move(on_line)) {}

    void Feed(std::string_view piece);
    // Hands out a last line that has no break.
    void Finish();

  private:
    void Emit(std::string_view tail);

    LineHandler on_line_;
    std::string partial_;  // the start of a line that the next piece continues
    bool has_partial_ = false;
    bool after_cr_ = false;  // the last piece ended in CR: an LF first in the next belongs to it
};

}  // namespace flg2scn
