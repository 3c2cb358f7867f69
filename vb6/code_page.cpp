#include "vb6/code_page.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace flg2scn {

namespace {

// Characters of the bytes 0x80 to 0x9F; all other bytes are their own code.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool EncodeChar(char16_t c, char& byte) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = static_cast<char>(c);
        return true;
    }
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (found == kHighControls.end()) {
        return false;
    }
    byte = static_cast<char>(0x80 + (found - kHighControls.begin()));
    return true;
}

std::string Describe(char16_t character, std::size_t line, std::size_t column) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "line %zu, column %zu: the character U+%04X has no place in the "
                  "Windows-1252 code page",
                  line, column, static_cast<unsigned>(character));
    return text;
}

}  // namespace

char16_t DecodeByte(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::u16string DecodeText(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = DecodeByte(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

UnencodableCharacter::UnencodableCharacter(char16_t character, std::size_t line, std::size_t column)
    : std::runtime_error(Describe(character, line, column)),
      character(character),
      line(line),
      column(column) {}

std::string EncodeText(std::u16string_view text) {
    std::string bytes;
    AppendEncodedText(bytes, text);
    return bytes;
}

void AppendEncodedText(std::string& bytes, std::u16string_view text) {
    const std::size_t start = bytes.size();
    bytes.resize(start + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!EncodeChar(text[i], bytes[start + i])) {
            // Only on failure: find the line and column of the character.
            std::size_t line = 1;
            std::size_t line_start = 0;
            for (std::size_t j = 0; j + 1 < i; ++j) {
                if (text[j] == u'\r' && text[j + 1] == u'\n') {
                    ++line;
                    line_start = j + 2;
                }
            }
            throw UnencodableCharacter(text[i], line, i - line_start + 1);
        }
    }
}

}  // namespace flg2scn
