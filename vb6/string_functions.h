#pragma once

#include <cstddef>
#include <string_view>

namespace flg2scn {

// Visual Basic 6's InStr, Mid and Left on UTF-16 text. Positions are 1-based, as
// in Visual Basic; 0 means "not found".

// Position of the first `ch` at or after `start`, or 0. A start beyond the end
// finds nothing; a start below 1 is a failure.
std::size_t InStr(long long start, std::u16string_view text, char16_t ch);

// At most `length` characters from `start`; a start beyond the end gives the
// empty text. A start below 1 or a negative length is a failure.
std::u16string_view Mid(std::u16string_view text, long long start, long long length);

// All characters from `start` to the end.
std::u16string_view Mid(std::u16string_view text, long long start);

// The first `length` characters; a negative length is a failure.
std::u16string_view Left(std::u16string_view text, long long length);

}  // namespace flg2scn
