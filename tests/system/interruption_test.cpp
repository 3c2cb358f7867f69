#include "system/interruption.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace flg2scn {
namespace {

// In a child, since a caught signal stays caught for the whole process: each of
// the three is caught and only noted, unless it was ignored before (as nohup
// asks), when it stays ignored.
TEST(Interruption, CaughtSignalsAreNotedUnlessIgnored) {
    // clang-format off
    const std::tuple<int, bool, int> rows[] = {
        {SIGINT, false, 1}, {SIGTERM, false, 1}, {SIGHUP, false, 1}, {SIGHUP, true, 0}};
    // clang-format on
    for (const auto& [signal, ignored, noted] : rows) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (ignored) {
                std::signal(signal, SIG_IGN);
            }
            CatchInterruptions();
            std::raise(signal);
            std::_Exit(Interrupted() ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == noted) << signal << " " << status;
    }
}

}  // namespace
}  // namespace flg2scn
