#pragma once

#include "system/file_handle.h"

namespace flg2scn {

// Ctrl+C (SIGINT), SIGTERM and SIGHUP, caught so that a batch can keep what it
// finished before it ends as the signal would have ended it. On Windows, Ctrl+C,
// Ctrl+Break and the console's closing stand for them. One implementation for
// Linux (interruption_linux.cpp), one for Windows (interruption_win32.cpp).

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

// Stands around one read of `file` on the main thread that may wait (for a
// pipe's writer, a terminal), so that a signal stops the wait with Interruption
// even when it comes just before the read begins; throws Interruption at once if
// one came before. On POSIX it waits until `file` has bytes or is at its end; on
// Windows the handler cancels the read again and again while it lives.
class InterruptibleRead {
  public:
    explicit InterruptibleRead(NativeFile file);
    // Windows's ends the marked read; POSIX's has nothing to do.
    ~InterruptibleRead();  // NOLINT(performance-trivially-destructible)
    InterruptibleRead(const InterruptibleRead&) = delete;
    InterruptibleRead& operator=(const InterruptibleRead&) = delete;
};

// Ends the process as the signal that came would have ended it.
[[noreturn]] void EndAsInterrupted();

// Holds back the signals that end a program by default while it lives, so that
// a run of renames is done completely; a held signal ends the program once it is
// let go, or is caught then. Holds may nest.
class TerminationHeld {
  public:
    TerminationHeld();
    ~TerminationHeld();
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;
};

}  // namespace flg2scn
