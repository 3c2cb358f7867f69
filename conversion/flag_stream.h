#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "conversion/flag_reader.h"
#include "conversion/problem.h"
#include "vb6/line_splitter.h"

namespace flg2scn {

// The outcome of converting a file: the scenario file's bytes, as writing the
// scenario text to a file puts them (the text in the code page, then CR LF), or
// why there is none.
using FileConversion = std::variant<std::string, Problem>;

// Converts a flag file's bytes as they arrive, with the outcome that loading the
// file, converting its text and saving the scenario gives, without holding the
// text: the lines that Load puts into the text area are exactly the lines that
// Convert reads, and a file is empty exactly when the loaded text is. Only a line
// that the rules read (one beginning with '#' or '<') is held, in its bytes; a
// flag line is decoded once it ends, and a header is never decoded, since its
// bytes are the scenario's. Every other line costs nothing however long it is.
class FlagStreamConverter {
  public:
    FlagStreamConverter();
    FlagStreamConverter(const FlagStreamConverter&) = delete;
    FlagStreamConverter& operator=(const FlagStreamConverter&) = delete;

    void Feed(std::string_view bytes) { splitter_.Feed(bytes); }
    // Ends the bytes; may be called again to have the outcome again.
    FileConversion Finish();
    // Whether a header or flag line hid behind an LF that no CR came before: a
    // file with LF line ends, which reads as a single line.
    bool saw_hidden_line() const { return splitter_.saw_hidden_line(); }

  private:
    // Bytes held in chunks, so that however small the pieces come (a pipe may
    // give a byte at a time) a line costs its length.
    using Chunks = std::vector<std::string>;
    enum class Line { kIgnored, kHeader, kFlag };

    void TakePart(std::string_view part, bool line_ends);
    void ReadLine(std::u16string&& line);
    static void Hold(Chunks& chunks, std::string_view part);
    void EndFlagLine(std::string_view last_part);

    FlagTextReader reader_;
    // The lines so far, and whether one failed: the rest are then not read, but a
    // failure is told only once the whole file is read.
    std::size_t lines_ = 0;
    bool failed_ = false;
    bool line_started_ = false;
    Line line_ = Line::kIgnored;
    // The last header's bytes after its '#'.
    Chunks header_;
    // The earlier parts of a flag line that spans pieces.
    Chunks flag_parts_;
    LineSplitter splitter_;
};

}  // namespace flg2scn
