// flg2scn-cli at the edges of the standard streams and of other runs, as a
// shell sets them up.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "support/harbour.h"
#include "support/temp_dir.h"

namespace flg2scn {
namespace {

using namespace test;

// Runs `script` with sh in `dir`, flg2scn-cli as $cli: its exit status and
// standard error (where the script leaves it alone).
std::pair<int, std::string> RunScript(const TempDir& dir, const std::string& script) {
    const std::string command = "cd '" + dir.path().string() +
                                "' && cli='" FLG2SCN_CLI_PATH "' && { " + script +
                                "\n} </dev/null 2>.err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.Path(".err"))};
}

const std::string kHarbourFlg(kHarbourFlags.begin(), kHarbourFlags.end());
const std::string kHarbourScn =
    std::string(HarbourScenario().begin(), HarbourScenario().end()) + "\r\n";

// The same with another header, to tell the two apart.
std::string Second(std::string harbour) {
    return harbour.replace(harbour.find("Harbour"), 7, "Second");
}

// Standard input, output and error by any name, closed, and descriptors the
// program did not inherit. Each row: the script, its status and standard error,
// and a file with what it must then hold.
TEST(StandardStreams, ByAnyNameOpenOrClosed) {
    const std::string a = kHarbourScn;
    const std::string b = Second(kHarbourScn);
    // clang-format off
    const std::tuple<std::string, int, std::string, std::string, std::string> rows[] = {
        {"echo KEEP >log; \"$cli\" -o /dev/stdout a.flg >>log", 0, "", "log", "KEEP\n" + a},
        {"{ echo header; \"$cli\" -o /proc/self/fd/1 a.flg && echo footer; } >log", 0, "",
         "log", "header\n" + a + "footer\n"},
        {"echo KEEP >log; \"$cli\" -o /dev/stderr a.flg 2>>log", 0, "", "log", "KEEP\n" + a},
        {"echo KEEP >a.scn; \"$cli\" a.flg >>a.scn", 0, "", "a.scn", "KEEP\n" + a},
        {"\"$cli\" a.flg - <b.flg >a.scn", 1,
         "flg2scn-cli: -: standard output is the output of a.flg already\n", "a.scn", a},
        {"\"$cli\" - a.flg <b.flg >a.scn", 1,
         "flg2scn-cli: a.flg: a.scn is the output of - already\n", "a.scn", b},
        {"\"$cli\" - /dev/fd/3 <a.flg 3<b.flg >out", 0, "", "out", a + b},
        {"\"$cli\" a.flg /dev/stdin <b.flg >&-", 1,
         "flg2scn-cli: /dev/stdin: cannot write standard output: Bad file descriptor\n", "a.scn", a},
        {"\"$cli\" a.flg - <&-", 1,
         "flg2scn-cli: -: cannot read standard input: Bad file descriptor\n", "a.scn", a},
        {"\"$cli\" -o b.flg - <b.flg", 1, "flg2scn-cli: -: the output b.flg is the input itself\n",
         "b.flg", Second(kHarbourFlg)},
        {"\"$cli\" a.flg /dev/fd/3 3<&-", 1, "flg2scn-cli: /dev/fd/3: No such file or directory\n",
         "a.scn", a},
        {"\"$cli\" -o b.scn /dev/fd/3 3<b.flg", 0, "", "b.scn", b}};
    // clang-format on
    for (const auto& [script, status, err, file, bytes] : rows) {
        const TempDir dir;
        WriteBytes(dir.Path("a.flg"), kHarbourFlg);
        WriteBytes(dir.Path("b.flg"), Second(kHarbourFlg));
        EXPECT_EQ(RunScript(dir, script), std::make_pair(status, err)) << script;
        EXPECT_EQ(ReadBytes(dir.Path(file)), bytes) << script;
    }
}

// Two runs over the same outputs at once: each may take the other's new
// contents, before they are in place, for a leftover of a run cut off.
TEST(StandardStreams, TwoRunsAtOnceOverTheSameOutputs) {
    const TempDir dir;
    constexpr int kFiles = 400;
    for (int i = 0; i < kFiles; ++i) {
        WriteBytes(dir.Path("f" + std::to_string(i) + ".flg"), kHarbourFlg);
        WriteBytes(dir.Path("f" + std::to_string(i) + ".scn"), "old");
    }
    const std::string names = dir.Names();
    for (int round = 0; round < 8; ++round) {
        EXPECT_EQ(RunScript(dir,
                            "\"$cli\" f*.flg & one=$!; \"$cli\" f*.flg; two=$?; "
                            "wait $one && exit $two"),
                  std::make_pair(0, std::string()))
            << round;
        EXPECT_EQ(dir.Names(), ".err " + names);
    }
    for (int i = 0; i < kFiles; ++i) {
        EXPECT_EQ(ReadBytes(dir.Path("f" + std::to_string(i) + ".scn")), kHarbourScn) << i;
    }
}

}  // namespace
}  // namespace flg2scn
