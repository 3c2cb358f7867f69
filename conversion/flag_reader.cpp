#include "conversion/flag_reader.h"

#include "vb6/failure.h"
#include "vb6/string_functions.h"

namespace flg2scn {

namespace {

// `part` of a line as a text of its own: cut out of the line's `storage` in place
// where the caller gave it up, else copied.
std::u16string TakePart(std::u16string_view part, std::u16string* storage) {
    if (storage == nullptr) {
        return std::u16string(part);
    }
    const auto start = static_cast<std::size_t>(part.data() - storage->data());
    storage->erase(start + part.size());
    storage->erase(0, start);
    return std::move(*storage);
}

}  // namespace

void FlagTextReader::ReadLine(std::u16string_view line) {
    Read(line, nullptr);
}

void FlagTextReader::ReadLine(std::u16string&& line) {
    Read(line, &line);
}

// The header and Z are the only parts that may be long.
void FlagTextReader::Read(std::u16string_view line, std::u16string* storage) {
    if (line.starts_with(u'#')) {
        flags_.header = TakePart(line.substr(1), storage);
    } else if (line.starts_with(u'<')) {
        const std::u16string_view z = ReadFlagLocation(line);
        flags_.locations[static_cast<std::size_t>(flags_.count - 1)].Z = TakePart(z, storage);
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
