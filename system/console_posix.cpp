#include "system/console.h"

namespace flg2scn {

// A terminal stays open after its program ends.
bool HasOwnConsole() {
    return false;
}

void KeepOwnConsoleOpen(const std::string&) {}

}  // namespace flg2scn
