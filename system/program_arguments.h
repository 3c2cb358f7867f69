#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace flg2scn {

// The program's arguments in UTF-8: Windows hands main them in its ANSI code
// page, which cannot hold every file name. On Windows, where the shell leaves
// wildcards to the program, an argument (not an option) with * or ? in its last
// part stands for the files whose names it matches, sorted, or for itself if
// none. One implementation for POSIX (program_arguments_posix.cpp), one for
// Windows (program_arguments_win32.cpp).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Whether `argument` asks for help in the system's own way: /? on Windows, as
// its programs take it; nothing on POSIX, where /? is a file name.
bool IsSystemHelpOption(std::string_view argument);

}  // namespace flg2scn
