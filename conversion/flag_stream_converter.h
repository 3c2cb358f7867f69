#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/flag_text_converter.h"
#include "runtime/line_splitter.h"

namespace flg2scn {

// Converts a flag file's bytes as they arrive, with the outcome that loading the
// file and converting its text gives, without holding the text: the lines that
// Load puts into the text area are exactly the lines that Convert reads, and a
// file is empty exactly when the loaded text is. Only a line that the rules read
// (one beginning with '#' or '<') is held, in its bytes until it ends and then
// decoded once; every other line costs nothing however long it is.
class FlagStreamConverter {
  public:
    FlagStreamConverter();
    FlagStreamConverter(const FlagStreamConverter&) = delete;
    FlagStreamConverter& operator=(const FlagStreamConverter&) = delete;

    void Feed(std::string_view bytes) { splitter_.Feed(bytes); }
    // Ends the bytes; either may be called again to have the outcome again.
    Conversion Finish();
    std::optional<Problem> Finish(const ScenarioWriter& text);
    // Whether a header or flag line hid behind an LF that no CR came before: a
    // file with LF line ends, which reads as a single line.
    bool saw_hidden_line() const { return splitter_.saw_hidden_line(); }

  private:
    void TakePart(std::string_view part, bool line_ends);
    void HoldPart(std::string_view part);
    void EndKeptLine(std::string_view last_part);

    FlagTextConverter converter_;
    bool line_started_ = false;
    bool line_kept_ = false;
    // The earlier parts of a kept line that spans pieces, in chunks: the decoded
    // line is then made at its exact size.
    std::vector<std::string> kept_parts_;
    LineSplitter splitter_;
};

}  // namespace flg2scn
