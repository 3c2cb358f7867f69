#include "vb6/line_reading.h"

#include "vb6/code_page.h"
#include "vb6/line_splitter.h"

namespace flg2scn {

namespace {

// Hands the lines of `bytes` to `on_part` as LineSplitter cuts them.
template <typename OnPart>
void SplitLines(std::string_view bytes, OnPart on_part) {
    LineSplitter splitter(on_part);
    splitter.Feed(bytes);
    splitter.Finish();
}

}  // namespace

std::u16string DecodeLines(std::string_view bytes) {
    constexpr std::u16string_view kLineBreak = u"\r\n";
    // Measured first, so that the text is made once at its size.
    std::size_t size = 0;
    SplitLines(bytes, [&](std::string_view part, bool line_ends) {
        size += part.size() + (line_ends ? kLineBreak.size() : 0);
    });
    std::u16string text(size, u'\0');
    char16_t* out = text.data();
    SplitLines(bytes, [&](std::string_view part, bool line_ends) {
        for (const char byte : part) {
            *out++ = DecodeByte(static_cast<unsigned char>(byte));
        }
        if (line_ends) {
            out += kLineBreak.copy(out, kLineBreak.size());
        }
    });
    return text;
}

std::size_t CountLineBreaks(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find(u"\r\n"); at != text.npos; at = text.find(u"\r\n", at + 2)) {
        ++count;
    }
    return count;
}

}  // namespace flg2scn
