#include "tests/cli/cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace flg2scn::test {

namespace {

constexpr const char* kIn = ".stdin";
constexpr const char* kOut = ".stdout";
constexpr const char* kErr = ".stderr";

}  // namespace

pid_t StartCli(const TempDir& dir, std::vector<std::string> args, const std::string& input) {
    WriteBytes(dir.Path(kIn), input);
    const pid_t child = ::fork();
    if (child == 0) {
        const auto redirect = [&](const char* name, int flags, int target) {
            const int fd = ::open(dir.Path(name).c_str(), flags, 0600);
            ::dup2(fd, target);
            ::close(fd);
        };
        redirect(kIn, O_RDONLY, STDIN_FILENO);
        redirect(kOut, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
        redirect(kErr, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
        if (::chdir(dir.path().c_str()) != 0) {
            ::_exit(127);
        }
        std::vector<char*> argv{const_cast<char*>(FLG2SCN_CLI_PATH)};
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execv(FLG2SCN_CLI_PATH, argv.data());
        ::_exit(127);
    }
    return child;
}

CliRun RunCli(const TempDir& dir, std::vector<std::string> args, const std::string& input) {
    const pid_t child = StartCli(dir, std::move(args), input);
    int status = 0;
    ::waitpid(child, &status, 0);
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.Path(kOut)),
               ReadBytes(dir.Path(kErr))};
    for (const char* name : {kIn, kOut, kErr}) {
        std::filesystem::remove(dir.Path(name));
    }
    return run;
}

}  // namespace flg2scn::test
