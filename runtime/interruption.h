#pragma once

#include <memory>

namespace flg2scn {

// Ctrl+C (SIGINT), SIGTERM and SIGHUP, caught so that a batch can keep what it
// finished before it ends as the signal would have ended it. On Windows, Ctrl+C,
// Ctrl+Break and the console's closing stand for them. One implementation for
// POSIX (interruption_posix.cpp), one for Windows (interruption_win32.cpp).

// Thrown where work stops because a signal came.
struct Interruption {};

// Catches the three signals from here on, but leaves one alone that is ignored
// (as nohup, or a shell's background job, asks). A blocking read that one
// interrupts then stops with Interruption.
void CatchInterruptions();

// Whether one of the signals has come.
bool Interrupted();

// Throws Interruption if one of the signals has come.
void StopIfInterrupted();

// A signal or event that comes just before a blocking read begins must still
// stop it. Both throw Interruption if one came before.
#ifdef _WIN32
// While it lives, a caught event cancels the main thread's read again and again
// until the read has stopped.
class CancellableRead {
  public:
    CancellableRead();
    ~CancellableRead();
    CancellableRead(const CancellableRead&) = delete;
    CancellableRead& operator=(const CancellableRead&) = delete;
};
#else
// Waits until `fd` has bytes to read or is at its end, or a signal comes.
void WaitForInput(int fd);
#endif

// Ends the process as the signal that came would have ended it.
[[noreturn]] void EndAsInterrupted();

// Holds back the signals that end a program by default while it lives, so that
// work such as giving names is done completely; a held signal ends the program
// once it is let go, or is caught then.
class TerminationHeld {
  public:
    TerminationHeld();
    ~TerminationHeld();
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;

  private:
    // What to go back to.
    struct Before;
    std::unique_ptr<Before> before_;
};

}  // namespace flg2scn
