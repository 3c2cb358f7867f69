#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "system/file_reading.h"

namespace flg2scn {

// A file's name in UTF-8, as the file rules and the messages take it: on POSIX
// the name's own bytes.
std::string Utf8Name(const std::filesystem::path& path);

// The bytes that writing `text` to a file puts there: the text, then CR LF, in the
// code page. A character the code page cannot hold is an UnencodableCharacter.
std::string TextFileBytes(std::u16string_view text);

// Writes `bytes` over the file `path` atomically: after a failure any old file is
// as it was, and after a power cut the old file or the whole new one is there.
void ReplaceFileBytes(const std::string& path, std::string_view bytes);

}  // namespace flg2scn
