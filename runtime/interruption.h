#pragma once

namespace flg2scn {

// Ctrl+C (SIGINT), SIGTERM and SIGHUP, caught so that a batch can keep what it
// finished before it ends as the signal would have ended it.

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

// Ends the process as the signal that came would have ended it.
[[noreturn]] void EndAsInterrupted();

}  // namespace flg2scn
