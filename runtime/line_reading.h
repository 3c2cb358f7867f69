#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// The text of a sequential file's lines, each followed by CR LF, from the file's
// bytes in the code page. A line ends at CR or at CR LF; a lone LF is an ordinary
// character; the last line may end at the end of the file without a break. No
// bytes give the empty text.
std::u16string DecodeLines(std::string_view bytes);

}  // namespace flg2scn
