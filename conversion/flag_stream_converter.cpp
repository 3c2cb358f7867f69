#include "conversion/flag_stream_converter.h"

#include "runtime/code_page.h"

namespace flg2scn {

// Only lines beginning with '#' or '<' are decoded: no other byte decodes to
// either character, and the rules ignore every other line.
FlagStreamConverter::FlagStreamConverter()
    : splitter_([this](std::string_view line) {
          saw_lone_lf_ = saw_lone_lf_ || line.find('\n') != std::string_view::npos;
          if (!line.empty() && (line.front() == '#' || line.front() == '<')) {
              converter_.ReadLine(DecodeText(line));
          } else {
              converter_.SkipLine();
          }
      }) {}

Conversion FlagStreamConverter::Finish() {
    splitter_.Finish();
    return converter_.Finish();
}

}  // namespace flg2scn
