#pragma once

#include <string_view>

#include "conversion/flag_text_converter.h"
#include "runtime/line_splitter.h"

namespace flg2scn {

// Converts a flag file's bytes as they arrive, with the outcome that loading the
// file and converting its text gives, without holding the text: the lines that
// Load puts into the text area are exactly the lines that Convert reads, and a
// file is empty exactly when the loaded text is.
class FlagStreamConverter {
  public:
    FlagStreamConverter();
    FlagStreamConverter(const FlagStreamConverter&) = delete;
    FlagStreamConverter& operator=(const FlagStreamConverter&) = delete;

    void Feed(std::string_view bytes) { splitter_.Feed(bytes); }
    Conversion Finish();
    // Whether a line held an LF that no CR came before: a file with LF line ends,
    // which reads as a single line.
    bool saw_lone_lf() const { return saw_lone_lf_; }

  private:
    FlagTextConverter converter_;
    bool saw_lone_lf_ = false;
    LineSplitter splitter_;
};

}  // namespace flg2scn
