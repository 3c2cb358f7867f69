// Starts a console program in a console of its own, as Explorer does for a
// double-click or a drop, reads what the console shows once the program waits
// for a key, presses Enter, and writes the console's lines to standard output,
// then the program's exit status.
//   own_console_probe PROGRAM [ARGUMENT...]
#include <windows.h>

#include <cstdio>
#include <string>

#include "system/windows_text.h"

namespace {

// The console's lines, each without its trailing blanks.
std::wstring ScreenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!::GetConsoleScreenBufferInfo(screen, &info)) {
        return L"";
    }
    std::wstring text;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterW(screen, line.data(), static_cast<DWORD>(line.size()),
                                      COORD{0, y}, &read);
        line.erase(line.find_last_not_of(L' ') + 1);
        text += line + L"\n";
    }
    return text;
}

HANDLE OpenConsole(const wchar_t* name) {
    return ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring command;
    for (int i = 1; i < argc; ++i) {
        command += std::wstring(i > 1 ? L" \"" : L"\"") + argv[i] + L"\"";
    }
    // A new console for the program, which this probe leaves before the program
    // runs, keeping its handles to the screen and the keyboard.
    ::FreeConsole();
    ::AllocConsole();
    const HANDLE screen = OpenConsole(L"CONOUT$");
    const HANDLE keyboard = OpenConsole(L"CONIN$");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                          nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start the program: %lu\n", ::GetLastError());
        return 1;
    }
    ::FreeConsole();
    ::ResumeThread(process.hThread);
    // Polls the console until the program asks for a key, for a minute at most.
    std::wstring shown;
    for (int tries = 0; tries < 1200 && shown.find(L"Press any key") == std::wstring::npos;
         ++tries) {
        ::Sleep(50);
        shown = ScreenText(screen);
    }
    INPUT_RECORD key{};
    key.EventType = KEY_EVENT;
    key.Event.KeyEvent.bKeyDown = TRUE;
    key.Event.KeyEvent.wRepeatCount = 1;
    key.Event.KeyEvent.wVirtualKeyCode = VK_RETURN;
    key.Event.KeyEvent.uChar.UnicodeChar = L'\r';
    DWORD written = 0;
    ::WriteConsoleInputW(keyboard, &key, 1, &written);
    DWORD status = 1;
    if (::WaitForSingleObject(process.hProcess, 60'000) != WAIT_OBJECT_0) {
        std::fputs("the program did not end after a key\n", stdout);
        ::TerminateProcess(process.hProcess, 1);
    }
    ::GetExitCodeProcess(process.hProcess, &status);
    std::fputs(flg2scn::Utf8Of(shown).c_str(), stdout);
    std::printf("exit status %lu\n", status);
    return 0;
}
