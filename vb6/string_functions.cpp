#include "vb6/string_functions.h"

#include <algorithm>

#include "vb6/failure.h"

namespace flg2scn {

namespace {

void CheckStart(long long start) {
    if (start < 1) {
        throw RuntimeFailure("invalid start position");
    }
}

void CheckLength(long long length) {
    if (length < 0) {
        throw RuntimeFailure("negative length");
    }
}

}  // namespace

std::size_t InStr(long long start, std::u16string_view text, char16_t ch) {
    CheckStart(start);
    // A start beyond the end finds nothing.
    const std::size_t found = text.find(ch, static_cast<unsigned long long>(start - 1));
    return found == std::u16string_view::npos ? 0 : found + 1;
}

std::u16string_view Mid(std::u16string_view text, long long start, long long length) {
    CheckLength(length);
    return Mid(text, start).substr(0, static_cast<unsigned long long>(length));
}

std::u16string_view Mid(std::u16string_view text, long long start) {
    CheckStart(start);
    // A start beyond the end gives the empty rest.
    return text.substr(std::min<unsigned long long>(start - 1, text.size()));
}

std::u16string_view Left(std::u16string_view text, long long length) {
    CheckLength(length);
    return text.substr(0, static_cast<unsigned long long>(length));
}

}  // namespace flg2scn
