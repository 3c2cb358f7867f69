// flg2scn.exe: the window on the Windows API. A file given on the command line
// (as when a .flg is opened with the program) loads once the window shows.

#include <windows.h>

#include <shellapi.h>

#include <filesystem>

#include "win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    const std::filesystem::path file = count > 1 ? arguments[1] : L"";
    ::LocalFree(arguments);
    // A load of tens of megabytes keeps the window from its messages for seconds,
    // under the busy cursor. Windows would put a frozen "Not Responding" copy in
    // its place after five, and offer to end the program and lose the text.
    ::DisableProcessWindowsGhosting();
    const auto window = flg2scn::Win32Window::Create(instance);
    return window ? window->Run(show, file) : 1;
}
