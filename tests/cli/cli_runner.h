#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace flg2scn::test {

struct CliRun {
    int status;  // the exit status, or -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

// Starts flg2scn-cli in `dir` with `input` on standard input; its standard
// output and error go to files in `dir` that RunCli reads.
pid_t StartCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = "");

// Runs flg2scn-cli to its end.
CliRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input = "");

}  // namespace flg2scn::test
