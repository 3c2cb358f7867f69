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
    const auto window = flg2scn::Win32Window::Create(instance);
    return window ? window->Run(show, file) : 1;
}
