// Runs flg2scn-cli as a process, as a user or a script would.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "cli/batch_conversion.h"
#include "support/harbour.h"
#include "support/temp_dir.h"
#include "version.h"

namespace flg2scn {
namespace {

using namespace test;

using CliRun = std::tuple<int, std::string, std::string>;

// Runs the program in `dir` with `args` as a shell reads them (a redirection in
// `args` wins), after the shell's `limit` (ulimit's options): its exit status,
// standard output and standard error.
CliRun RunCli(const TempDir& dir, const std::string& args, const std::string& input = "",
              const std::string& limit = "") {
    const TempDir io;
    WriteBytes(io.Path("in"), input);
    const std::string command = "cd '" + dir.path().string() + "' && " +
                                (limit.empty() ? "" : "ulimit " + limit + " && ") +
                                "'" FLG2SCN_CLI_PATH "' <" + io.Path("in") + " " + args + " >" +
                                io.Path("out") + " 2>" + io.Path("err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(io.Path("out")),
            ReadBytes(io.Path("err"))};
}

const std::string kHarbourFlg(test::kHarbourFlags.begin(), test::kHarbourFlags.end());
// What "&Save .SCN" writes: the scenario, then one more CR LF.
const std::string kHarbourScn =
    std::string(test::HarbourScenario().begin(), test::HarbourScenario().end()) + "\r\n";

TEST(Cli, ScenarioFileNames) {
    // clang-format off
    const std::pair<std::string, std::string> samples[] = {
        {"a.flg", "a.scn"}, {"dir/A.FLG", "dir/A.scn"}, {"a.Flg", "a.scn"}, {"a.txt", "a.txt.scn"},
        {"flg", "flg.scn"}, {".flg", ".scn"}, {"a.flg.bak", "a.flg.bak.scn"}};
    // clang-format on
    for (const auto& [flag_file, scenario_file] : samples) {
        EXPECT_EQ(ScenarioFileName(flag_file), scenario_file);
    }
}

// Each file that fails gets its line and no output, its old output stays, and
// the others still convert; a later file reads what an earlier one wrote, over
// its old contents or as a new file, but does not write it again.
TEST(Cli, ABatchGoesOnPastFilesThatFail) {
    TempDir dir;
    WriteBytes(dir.Path("good.FLG"), "#Harbour\r<100 200 40>\r<1024 512 96>");
    WriteBytes(dir.Path("good.scn"), kHarbourFlg);
    WriteBytes(dir.Path("good"), kHarbourFlg);
    WriteBytes(dir.Path("four.flg"), "#4\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n");
    WriteBytes(dir.Path("four.scn"), "old");
    WriteBytes(dir.Path("other.txt"), kHarbourFlg);
    WriteBytes(dir.Path("lf.flg"), "#Harbour\n<100 200 40>\n<1024 512 96>\n");
    WriteBytes(dir.Path("folder.flg"), kHarbourFlg);
    std::filesystem::create_directory(dir.Path("folder.scn"));
    // A sparse file one byte over the limit of 1 GiB.
    WriteBytes(dir.Path("huge.flg"), "");
    std::filesystem::resize_file(dir.Path("huge.flg"), (std::uintmax_t{1} << 30) + 1);
    EXPECT_EQ(RunCli(dir,
                     "good.FLG four.flg missing.flg huge.flg folder.flg "
                     "other.txt other.txt.scn lf.flg good.scn good"),
              CliRun(1, "",
                     "flg2scn-cli: four.flg: An error occurred while proccessing the flag data.\n"
                     "flg2scn-cli: missing.flg: No such file or directory\n"
                     "flg2scn-cli: huge.flg: the file is larger than 1024 MiB\n"
                     "flg2scn-cli: folder.flg: cannot write folder.scn: Is a directory\n"
                     "flg2scn-cli: other.txt.scn: No # header.\n"
                     "flg2scn-cli: lf.flg: Incorrect number of flag locations.\n"
                     "flg2scn-cli: lf.flg: its lines end in LF alone; flag files need CR LF "
                     "line ends\n"
                     "flg2scn-cli: good.scn: No # header.\n"
                     "flg2scn-cli: good: good.scn is the output of good.FLG already\n"));
    EXPECT_EQ(ReadBytes(dir.Path("good.scn")), kHarbourScn);
    EXPECT_EQ(ReadBytes(dir.Path("other.txt.scn")), kHarbourScn);
    EXPECT_EQ(ReadBytes(dir.Path("four.scn")), "old");
    EXPECT_EQ(dir.Names(),
              "folder.flg folder.scn four.flg four.scn good good.FLG good.scn huge.flg "
              "lf.flg other.txt other.txt.scn");
}

// A batch holds open at most a quarter of the files the program may open, so a
// long one converts under a low limit too.
TEST(Cli, ABatchStaysWithinTheOpenFileLimit) {
    TempDir dir;
    std::string names;
    for (int i = 0; i < 40; ++i) {
        WriteBytes(dir.Path(std::to_string(i) + ".flg"), kHarbourFlg);
        names += std::to_string(i) + ".flg ";
    }
    EXPECT_EQ(RunCli(dir, names, "", "-n 20"), CliRun(0, "", ""));
    EXPECT_EQ(ReadBytes(dir.Path("39.scn")), kHarbourScn);
}

// A line too long for the memory there is fails that file alone. AddressSanitizer
// cannot run under a memory limit.
TEST(Cli, OutOfMemoryIsTheFilesFailure) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "no memory limit under AddressSanitizer";
#endif
    TempDir dir;
    WriteBytes(dir.Path("long.flg"), "#");
    std::filesystem::resize_file(dir.Path("long.flg"), 400 << 20);
    WriteBytes(dir.Path("good.flg"), kHarbourFlg);
    EXPECT_EQ(RunCli(dir, "long.flg good.flg", "", "-v 307200"),
              CliRun(1, "", "flg2scn-cli: long.flg: out of memory\n"));
    EXPECT_EQ(ReadBytes(dir.Path("good.scn")), kHarbourScn);
}

// Ended by SIGTERM while it waits for a pipe's writer (to open it, or, where
// it holds the writing end itself, to read it): the file converted before is
// named before the wait and stays, none after, nothing is told, and the
// program ends by the signal, as it would have without catching it.
// The signal comes while the program waits for a pipe's writer, while it holds
// one that writes nothing, and while it reads a long file with a.flg's scenario
// not yet named.
TEST(Cli, ASignalKeepsWhatWasConvertedBeforeIt) {
    for (const char* wait : {"pipe", "held pipe", "long file"}) {
        TempDir dir;
        WriteBytes(dir.Path("a.flg"), kHarbourFlg);
        WriteBytes(dir.Path("b.flg"), kHarbourFlg);
        const bool pipe = wait != std::string_view("long file");
        // The long file is sparse: read at memory speed, and only zeros, so nothing is held.
        if (!pipe) {
            WriteBytes(dir.Path("f.flg"), "");
        }
        ASSERT_EQ(pipe ? ::mkfifo(dir.Path("f.flg").c_str(), 0600)
                       : ::truncate(dir.Path("f.flg").c_str(), 1000 << 20),
                  0);
        const pid_t cli = ::fork();
        if (cli == 0) {
            const int err = ::open(dir.Path("err").c_str(), O_WRONLY | O_CREAT, 0600);
            if (::chdir(dir.path().c_str()) == 0 && ::dup2(err, STDERR_FILENO) >= 0 &&
                (wait != std::string_view("held pipe") || ::open("f.flg", O_RDWR) >= 0)) {
                ::execl(FLG2SCN_CLI_PATH, FLG2SCN_CLI_PATH, "a.flg", "f.flg", "b.flg", nullptr);
            }
            std::_Exit(127);
        }
        // A pipe may keep the program waiting: what was done before it is named first.
        // The long file is being read once the program has it open.
        const auto waits = [&] {
            std::error_code error;
            const std::filesystem::directory_iterator fds("/proc/" + std::to_string(cli) + "/fd",
                                                          error);
            return pipe ? ReadBytes(dir.Path("a.scn")) == kHarbourScn
                        : std::any_of(begin(fds), end(fds), [&](const auto& fd) {
                              return std::filesystem::read_symlink(fd.path(), error) ==
                                     dir.Path("f.flg");
                          });
        };
        for (int polls = 0; polls < 10000 && !waits(); ++polls) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        EXPECT_TRUE(waits()) << wait;
        ::kill(cli, SIGTERM);
        int status = 0;
        ASSERT_EQ(::waitpid(cli, &status, 0), cli);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << wait << status;
        // Nothing is told.
        EXPECT_EQ(dir.Names() + ReadBytes(dir.Path("err")), "a.flg a.scn b.flg err f.flg") << wait;
    }
}

TEST(Cli, StandardStreamsOutputsAndUsage) {
    TempDir dir;
    WriteBytes(dir.Path("-h.flg"), kHarbourFlg);
    std::filesystem::create_symlink("-h.flg", dir.Path("link.scn"));
    // A named pipe is read like standard input, once its writer comes, and its
    // scenario goes to standard output.
    ASSERT_EQ(::mkfifo(dir.Path("pipe.flg").c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    std::thread writer([&] { WriteBytes(dir.Path("pipe.flg"), kHarbourFlg); });
    const std::string usage = "\nTry 'flg2scn-cli --help' for more information.\n";
    // clang-format off
    const std::tuple<std::string, std::string, int, std::string, std::string> runs[] = {
        {"-", kHarbourFlg, 0, kHarbourScn, ""},
        {"-", "", 1, "", "flg2scn-cli: -: Nothing to convert!\n"},
        {"- <.", "", 1, "", "flg2scn-cli: -: cannot read standard input: Is a directory\n"},
        {"-o - -- -h.flg", "", 0, kHarbourScn, ""},
        {"pipe.flg", "", 0, kHarbourScn, ""},
        {"--output=named.scn -", kHarbourFlg, 0, "", ""},
        {"-o link.scn -- -h.flg", "", 1, "", "flg2scn-cli: -h.flg: the output link.scn is the input itself\n"},
        {"/dev/stdin <-h.flg", "", 0, kHarbourScn, ""},
        {"", "", 2, "", "flg2scn-cli: no FILE given" + usage},
        {"--frobnicate a.flg", "", 2, "", "flg2scn-cli: unknown option --frobnicate" + usage},
        {"-o", "", 2, "", "flg2scn-cli: option -o needs an OUTPUT" + usage},
        {"-o x.scn a.flg b.flg", "", 2, "", "flg2scn-cli: -o takes exactly one FILE" + usage},
        {"-o x.scn --output=y.scn a.flg", "", 2, "", "flg2scn-cli: multiple output files specified" + usage},
        {"--version", "", 0, "flg2scn-cli " FLG2SCN_VERSION "\n", ""},
        {"-v", "", 0, "flg2scn-cli " FLG2SCN_VERSION "\n", ""}};
    // clang-format on
    for (const auto& [args, input, status, out, err] : runs) {
        EXPECT_EQ(RunCli(dir, args, input), CliRun(status, out, err)) << args;
    }
    // A writer still waiting (the program never opened the pipe) is let go.
    const int release = ::open(dir.Path("pipe.flg").c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(release);
    EXPECT_EQ(ReadBytes(dir.Path("named.scn")), kHarbourScn);
    EXPECT_EQ(dir.Names(), "-h.flg link.scn named.scn pipe.flg");
    EXPECT_EQ(ReadBytes(dir.Path("-h.flg")), kHarbourFlg);
    EXPECT_TRUE(
        std::get<1>(RunCli(dir, "--help")).starts_with("Usage: flg2scn-cli [-o OUTPUT] FILE..."));
}

}  // namespace
}  // namespace flg2scn
