#include "conversion/read_flag_text.h"

#include "runtime/failure.h"
#include "runtime/text_search.h"

namespace flg2scn {

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// A flag line reads '<', X, a blank, Y, a blank, Z and one more character
// (normally '>'), which Z loses whatever it is. Blank positions are 16-bit.
void ReadFlagLocation(std::u16string_view line, FlagSet& flags) {
    const Int16 first_blank = ToInt16(static_cast<long long>(InStr(1, line, u' ')));
    if (flags.count < 0 || flags.count >= static_cast<Int16>(flags.locations.size())) {
        throw RuntimeFailure("subscript out of range");
    }
    FlagLocation& location = flags.locations[static_cast<std::size_t>(flags.count)];
    location.X = Mid(line, 2, Sub16(first_blank, 2));
    const Int16 after_first = Add16(first_blank, 1);
    const Int16 second_blank = ToInt16(static_cast<long long>(InStr(after_first, line, u' ')));
    location.Y = Mid(line, after_first, Sub16(Sub16(second_blank, first_blank), 1));
    const std::u16string_view z = Mid(line, Add16(second_blank, 1));
    location.Z = Left(z, static_cast<long long>(z.size()) - 1);
    flags.count = Add16(flags.count, 1);
}

}  // namespace

FlagSet ReadFlagText(std::u16string_view text) {
    FlagSet flags;
    // The remaining text is text.substr(start); each line is read where it lies.
    std::size_t start = 0;
    std::size_t line_break = text.find(kLineBreak);
    for (;;) {
        const std::size_t line_end =
            line_break == std::u16string_view::npos ? text.size() : line_break;
        const std::u16string_view line = text.substr(start, line_end - start);
        start =
            line_break == std::u16string_view::npos ? text.size() : line_break + kLineBreak.size();
        if (line.starts_with(u'#')) {
            flags.header = line.substr(1);
        } else if (line.starts_with(u'<')) {
            ReadFlagLocation(line, flags);
        }
        line_break = text.find(kLineBreak, start);
        if (line_break == std::u16string_view::npos) {
            return flags;
        }
    }
}

}  // namespace flg2scn
