#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace flg2scn {

// The rules of the program's text files that hold wherever the bytes come from.

// The most a text file may hold: a text area is no place for more.
constexpr std::size_t kMaxTextFileBytes = std::size_t{64} << 20;

// A file's name in UTF-8, as the file rules and the messages take it: on POSIX
// the name's own bytes.
std::string Utf8Name(const std::filesystem::path& path);

// The bytes that writing `text` to a file puts there: the text, then CR LF, in the
// code page. A character the code page cannot hold is an UnencodableCharacter.
std::string TextFileBytes(std::u16string_view text);

}  // namespace flg2scn
