#pragma once

// Windows only: file names and error numbers between the program's UTF-8 and
// errno words and the Windows API's UTF-16 and error codes.

#include <windows.h>

#include <string>

namespace flg2scn {

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// The errno value whose words SystemReason gives for a Windows error code.
int ErrnoOf(DWORD error);

}  // namespace flg2scn
