#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace flg2scn {

// Files are in the 8-bit code page Windows-1252. Its five unassigned bytes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number,
// so that every byte maps to one character and back.

char16_t DecodeByte(unsigned char byte);

// The text of bytes in the code page, one character a byte (no line rules).
std::u16string DecodeText(std::string_view bytes);

// A character that the code page cannot hold, at a 1-based line (lines end at
// CR LF) and column (in UTF-16 code units).
class UnencodableCharacter : public std::runtime_error {
  public:
    UnencodableCharacter(char16_t character, std::size_t line, std::size_t column);

    char16_t character;
    std::size_t line;
    std::size_t column;
};

std::string EncodeText(std::u16string_view text);
// The same onto the end of `bytes`; the line and column of a character that the
// code page cannot hold are its place in `text`.
void AppendEncodedText(std::string& bytes, std::u16string_view text);

}  // namespace flg2scn
