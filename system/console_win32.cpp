#include <windows.h>

#include "system/console.h"
#include "system/windows_text.h"

namespace flg2scn {

namespace {

bool IsConsole(DWORD standard) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(standard), &mode) != 0;
}

void Write(HANDLE console, const std::string& utf8) {
    const std::wstring text = WideOf(utf8);
    DWORD written = 0;
    ::WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

bool HasOwnConsole() {
    // Only this process in the list: no shell that keeps the console open.
    DWORD processes[2];
    return ::GetConsoleProcessList(processes, 2) == 1 && IsConsole(STD_INPUT_HANDLE) &&
           IsConsole(STD_OUTPUT_HANDLE);
}

void KeepOwnConsoleOpen(const std::string& what_was_done) {
    if (!HasOwnConsole()) {
        return;
    }
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    if (!what_was_done.empty()) {
        Write(output, what_was_done + "\n");
    }
    Write(output, "Press any key to close this window.\n");
    ::FlushConsoleInputBuffer(input);
    INPUT_RECORD record;
    DWORD read = 0;
    while (::ReadConsoleInputW(input, &record, 1, &read) && read == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
            return;
        }
    }
}

}  // namespace flg2scn
