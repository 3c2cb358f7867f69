#pragma once

// Windows only: text and error numbers between the program's forms (UTF-8 file
// names, UTF-16 text, errno words) and the Windows API's (wchar_t, which is UTF-16
// too, and error codes).

#include <windows.h>

#include <string>
#include <string_view>

namespace flg2scn {

std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const std::wstring& wide);

inline std::wstring WideOf(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string Utf16Of(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// The errno value that stands for a Windows error code in the program.
int ErrnoOf(DWORD error);

}  // namespace flg2scn
