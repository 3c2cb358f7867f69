#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// The text of a sequential file's lines (as LineSplitter cuts them), each
// followed by CR LF, from the file's bytes in the code page. No bytes give the
// empty text.
std::u16string DecodeLines(std::string_view bytes);

}  // namespace flg2scn
