#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flg2scn {

// The text of a sequential file's lines (as LineSplitter cuts them), each
// followed by CR LF, from the file's bytes in the code page. No bytes give the
// empty text.
std::u16string DecodeLines(std::string_view bytes);

// How many line breaks, CR LF pairs, a text holds.
std::size_t CountLineBreaks(std::u16string_view text);

}  // namespace flg2scn
