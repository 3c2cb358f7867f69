#include "system/interruption.h"

#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace flg2scn {

namespace {

volatile std::sig_atomic_t caught_signal = 0;

void Catch(int signal) {
    caught_signal = signal;
}

// The signals that are caught.
constexpr std::initializer_list<int> kCaught = {SIGHUP, SIGINT, SIGTERM};

sigset_t SignalSet(std::initializer_list<int> signals) {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : signals) {
        sigaddset(&set, signal);
    }
    return set;
}

}  // namespace

void CatchInterruptions() {
    for (const int signal : kCaught) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) {
            continue;
        }
        // No SA_RESTART: a read that waits for a pipe's writer is to stop.
        struct sigaction caught {};
        caught.sa_handler = Catch;
        sigemptyset(&caught.sa_mask);
        ::sigaction(signal, &caught, nullptr);
    }
}

bool Interrupted() {
    return caught_signal != 0;
}

void StopIfInterrupted() {
    if (Interrupted()) {
        throw Interruption();
    }
}

// The signals are held back from the check until ppoll lets them in, so that
// one that comes in between still ends the wait.
InterruptibleRead::InterruptibleRead(NativeFile file) {
    const sigset_t held = SignalSet(kCaught);
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &held, &before);
    pollfd input{file, POLLIN, 0};
    while (!Interrupted() && ::ppoll(&input, 1, nullptr, &before) == -1 && errno == EINTR) {
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    StopIfInterrupted();
}

InterruptibleRead::~InterruptibleRead() = default;

// The signal is not held back here, so raising it with its default action ends
// the program; exiting with the shell's status for it is the fallback.
void EndAsInterrupted() {
    const int signal = caught_signal;
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

namespace {

// How many TerminationHelds live, and the signal mask from before the first.
int holds = 0;
sigset_t mask_before_holds;

}  // namespace

TerminationHeld::TerminationHeld() {
    if (holds++ == 0) {
        const sigset_t held = SignalSet({SIGHUP, SIGINT, SIGQUIT, SIGTERM});
        pthread_sigmask(SIG_BLOCK, &held, &mask_before_holds);
    }
}

TerminationHeld::~TerminationHeld() {
    if (--holds == 0) {
        pthread_sigmask(SIG_SETMASK, &mask_before_holds, nullptr);
    }
}

}  // namespace flg2scn
