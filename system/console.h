#pragma once

#include <string>

namespace flg2scn {

// A program started from Explorer (double-clicked, or with files dropped on it)
// gets a console of its own, which closes as soon as the program ends. Whether
// this program's console is its own, with both its input and output that
// console; never on POSIX, where a terminal outlives its programs.
bool HasOwnConsole();

// Where the console is the program's own, writes `what_was_done` (unless empty)
// and waits for a key, so that the user can read what the program said.
// Elsewhere it does nothing.
void KeepOwnConsoleOpen(const std::string& what_was_done);

}  // namespace flg2scn
