#include "runtime/line_reading.h"

#include "runtime/code_page.h"

namespace flg2scn {

namespace {

// Every byte gives one character, a lone CR one more (its LF), and an unended
// last line a CR LF.
std::size_t DecodedSize(std::string_view bytes) {
    std::size_t size = bytes.size();
    for (std::size_t at = bytes.find('\r'); at != std::string_view::npos;
         at = bytes.find('\r', at + 1)) {
        if (!bytes.substr(at + 1).starts_with('\n')) {
            ++size;
        }
    }
    if (!bytes.empty() && bytes.back() != '\r' && !bytes.ends_with("\r\n")) {
        size += 2;
    }
    return size;
}

}  // namespace

std::u16string DecodeLines(std::string_view bytes) {
    std::u16string text(DecodedSize(bytes), u'\0');
    char16_t* out = text.data();
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            *out++ = u'\r';
            *out++ = u'\n';
            if (i + 1 < n && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            *out++ = DecodeByte(byte);
        }
    }
    if (out != text.data() + text.size()) {
        *out++ = u'\r';
        *out++ = u'\n';
    }
    return text;
}

}  // namespace flg2scn
