#include "system/program_arguments.h"

namespace flg2scn {

// The shell has expanded the wildcards, and the names are bytes as they are.
std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

bool IsSystemHelpOption(std::string_view) {
    return false;
}

}  // namespace flg2scn
