// The Win32 window with FILEs dropped on it as Explorer drops them: a
// WM_DROPFILES that carries their names waits in the window's queue when it
// opens. A drop cannot come from another process (its HDROP is this process's
// memory), so the window runs here, as the program's main runs it.
//   drop_probe FILE...
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <string>

#include "win32/main_window.h"

int wmain(int argc, wchar_t** argv) {
    std::wstring names;
    for (int i = 1; i < argc; ++i) {
        names += argv[i];
        names += L'\0';
    }
    names += L'\0';
    const std::size_t bytes = names.size() * sizeof(wchar_t);
    const HGLOBAL drop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* files = static_cast<DROPFILES*>(::GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), bytes);
    ::GlobalUnlock(drop);

    const std::unique_ptr<flg2scn::Win32Window> window =
        flg2scn::Win32Window::Create(::GetModuleHandleW(nullptr));
    if (!window) {
        return 1;
    }
    ::PostMessageW(::FindWindowW(L"Form1", nullptr), WM_DROPFILES, reinterpret_cast<WPARAM>(drop),
                   0);
    return window->Run(SW_SHOWNORMAL, {});
}
