#include "system/console.h"

namespace flg2scn {

// A terminal stays open after its program ends.
void KeepOwnConsoleOpen(const std::string&) {}

}  // namespace flg2scn
