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

// A signal that ends a program, held back while holds live (they nest), ends it
// once the last is let go.
TEST(Interruption, HeldTerminationEndsTheProgramOnceLetGo) {
    int done[2];
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        {
            const TerminationHeld outer;
            std::raise(SIGTERM);
            { const TerminationHeld inner; }
            if (::write(done[1], "a", 1) != 1) {
                std::_Exit(2);
            }
        }
        std::_Exit(::write(done[1], "b", 1) == 1 ? 0 : 2);
    }
    ::close(done[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    char written[2] = {};
    EXPECT_EQ(::read(done[0], written, 2), 1);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    ::close(done[0]);
}

}  // namespace
}  // namespace flg2scn
