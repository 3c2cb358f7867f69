#include "conversion/read_flag_text.h"

#include "conversion/flag_text_reader.h"

namespace flg2scn {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

}  // namespace

FlagSet ReadFlagText(std::u16string_view text) {
    FlagTextReader reader;
    // The remaining text is text.substr(start); each line is read where it lies.
    std::size_t start = 0;
    std::size_t line_break = text.find(kLineBreak);
    for (;;) {
        const std::size_t line_end =
            line_break == std::u16string_view::npos ? text.size() : line_break;
        reader.ReadLine(text.substr(start, line_end - start));
        start =
            line_break == std::u16string_view::npos ? text.size() : line_break + kLineBreak.size();
        line_break = text.find(kLineBreak, start);
        if (line_break == std::u16string_view::npos) {
            return reader.flags();
        }
    }
}

}  // namespace flg2scn
