#include <windows.h>

#include <atomic>

#include "system/interruption.h"

namespace flg2scn {

namespace {

std::atomic<bool> caught{false};
std::atomic<bool> reading{false};
std::atomic<int> holds{0};
HANDLE main_thread = nullptr;

// Runs on a thread of its own. A closing console ends the program once this
// returns, so it waits for a run of renames to end first.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    caught = true;
    // A read that waits for a pipe's writer is to stop; one cancel may come just
    // before the read begins.
    while (reading && main_thread != nullptr) {
        ::CancelSynchronousIo(main_thread);
        ::Sleep(10);
    }
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        while (holds > 0) {
            ::Sleep(10);
        }
    }
    return TRUE;
}

}  // namespace

void CatchInterruptions() {
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                      &main_thread, 0, FALSE, DUPLICATE_SAME_ACCESS);
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool Interrupted() {
    return caught;
}

void StopIfInterrupted() {
    if (Interrupted()) {
        throw Interruption();
    }
}

// Marked before the check, so that the handler sees a read that the check missed.
InterruptibleRead::InterruptibleRead(NativeFile) {
    reading = true;
    if (caught) {
        reading = false;
        throw Interruption();
    }
}

InterruptibleRead::~InterruptibleRead() {
    reading = false;
}

// As a console program ends on Ctrl+C.
void EndAsInterrupted() {
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

// Caught events only set a flag, so holding back is waiting in the handler for
// the events that end the program when it returns.
TerminationHeld::TerminationHeld() {
    ++holds;
}

TerminationHeld::~TerminationHeld() {
    --holds;
}

}  // namespace flg2scn
