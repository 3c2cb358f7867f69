#include "conversion/read_flag_text.h"

#include "conversion/flag_text_reader.h"

namespace flg2scn {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

}  // namespace

void ForEachFlagLine(std::u16string_view text,
                     const std::function<void(std::u16string_view)>& on_line) {
    // The remaining text is text.substr(start); each line is handed out where it lies.
    std::size_t start = 0;
    std::size_t line_break = text.find(kLineBreak);
    for (;;) {
        const std::size_t line_end =
            line_break == std::u16string_view::npos ? text.size() : line_break;
        on_line(text.substr(start, line_end - start));
        start =
            line_break == std::u16string_view::npos ? text.size() : line_break + kLineBreak.size();
        line_break = text.find(kLineBreak, start);
        if (line_break == std::u16string_view::npos) {
            return;
        }
    }
}

FlagSet ReadFlagText(std::u16string_view text) {
    FlagTextReader reader;
    ForEachFlagLine(text, [&](std::u16string_view line) { reader.ReadLine(line); });
    return reader.flags();
}

}  // namespace flg2scn
