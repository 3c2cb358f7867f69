#pragma once

// The commands' UTF-16 text as the Windows API's wchar_t, which is UTF-16 too.
// (UTF-8 goes through Wide, system/windows_text.h.)

#include <string>
#include <string_view>

namespace flg2scn {

inline std::wstring WideOf(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string Utf16Of(std::wstring_view text) {
    return {text.begin(), text.end()};
}

}  // namespace flg2scn
