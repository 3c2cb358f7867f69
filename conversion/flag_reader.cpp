#include "conversion/flag_reader.h"

#include "runtime/failure.h"
#include "runtime/text_search.h"

namespace flg2scn {

void FlagTextReader::ReadLine(std::u16string_view line) {
    if (line.starts_with(u'#')) {
        flags_.header = line.substr(1);
    } else if (line.starts_with(u'<')) {
        const std::u16string_view z = ReadFlagLocation(line);
        flags_.locations[static_cast<std::size_t>(flags_.count - 1)].Z = z;
    }
}

void FlagTextReader::ReadLine(std::u16string&& line) {
    if (line.starts_with(u'#')) {
        line.erase(0, 1);
        flags_.header = std::move(line);
    } else if (line.starts_with(u'<')) {
        const std::u16string_view z = ReadFlagLocation(line);
        // Z is the only part that may be long: it is cut out of the line in place.
        const auto z_start = static_cast<std::size_t>(z.data() - line.data());
        line.erase(z_start + z.size());
        line.erase(0, z_start);
        flags_.locations[static_cast<std::size_t>(flags_.count - 1)].Z = std::move(line);
    }
}

// A flag line reads '<', X, a blank, Y, a blank, Z and one more character
// (normally '>'), which Z loses whatever it is. Blank positions are 16-bit.
// Sets X and Y and returns Z, where it lies in the line.
std::u16string_view FlagTextReader::ReadFlagLocation(std::u16string_view line) {
    const Int16 first_blank = ToInt16(static_cast<long long>(InStr(1, line, u' ')));
    if (flags_.count < 0 || flags_.count >= static_cast<Int16>(flags_.locations.size())) {
        throw RuntimeFailure("subscript out of range");
    }
    FlagLocation& location = flags_.locations[static_cast<std::size_t>(flags_.count)];
    location.X = Mid(line, 2, Sub16(first_blank, 2));
    const Int16 after_first = Add16(first_blank, 1);
    const Int16 second_blank = ToInt16(static_cast<long long>(InStr(after_first, line, u' ')));
    location.Y = Mid(line, after_first, Sub16(Sub16(second_blank, first_blank), 1));
    const std::u16string_view rest = Mid(line, Add16(second_blank, 1));
    const std::u16string_view z = Left(rest, static_cast<long long>(rest.size()) - 1);
    flags_.count = Add16(flags_.count, 1);
    return z;
}

void ForEachFlagLine(std::u16string_view text,
                     const std::function<void(std::u16string_view)>& on_line) {
    constexpr std::u16string_view kLineBreak = u"\r\n";
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
