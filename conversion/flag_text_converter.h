#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "conversion/build_scenario_text.h"
#include "conversion/flag_text_reader.h"
#include "conversion/problem.h"

namespace flg2scn {

// The outcome of a conversion: the scenario text, or why there is none.
using Conversion = std::variant<std::u16string, Problem>;

// Converts a flag text handed over line by line, without the lines' CR LF. No
// lines at all is nothing to convert. A malformed or fourth flag line is the
// failure; it is told by Finish, so that a caller may read its input to the end
// first. Otherwise a header must be there, and then exactly two flag locations.
class FlagTextConverter {
  public:
    void ReadLine(std::u16string_view line);
    void ReadLine(std::u16string&& line);
    // A line known not to begin with '#' or '<': the rules ignore it unread.
    void SkipLine() { ++lines_; }
    Conversion Finish() const;
    // The same, with the scenario handed to `text` and `header` as
    // WriteScenarioText does: the problem, or nothing once it is all handed over.
    std::optional<Problem> Finish(const ScenarioWriter& text, const HeaderWriter& header) const;

  private:
    void ReadCounted(const std::function<void()>& read);
    // The problem that stops a scenario before it is written, if any.
    std::optional<Problem> Check() const;

    FlagTextReader reader_;
    std::size_t lines_ = 0;
    bool failed_ = false;
};

// A whole flag text, in the lines that ForEachFlagLine gives; the empty text has none.
Conversion ConvertFlagText(std::u16string_view text);

}  // namespace flg2scn
