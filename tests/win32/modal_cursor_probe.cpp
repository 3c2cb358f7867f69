// Each modal box and dialog of the Win32 window, shown over the busy cursor. A
// timer stands in for the user: it shows the arrow, as the pointer passing over
// the box does, then closes the box. Once the box is gone the busy cursor must be
// back. Prints each case that fails; the exit status is the count of them.
//
// Needs a display: window_test.sh runs it on its own.

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string_view>

#include "win32/win32_cursors.h"
#include "win32/win32_file_dialog.h"
#include "win32/win32_message_box.h"

namespace {

constexpr UINT_PTR kTimer = 1;

// The thread's modal box or dialog, once it shows: a visible window of the
// dialog class other than the owner.
BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t type[16] = {};
    ::GetClassNameW(window, type, 16);
    if (::IsWindowVisible(window) && std::wstring_view(type) == L"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (box != nullptr) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

int wmain() {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   400, 300, nullptr, nullptr, nullptr, nullptr);
    flg2scn::Win32MessageBox messages(owner);
    flg2scn::Win32FileDialog dialog(owner);
    const struct {
        const char* name;
        std::function<void()> show;
    } cases[] = {
        {"a message", [&] { messages.Tell("text", "Error", flg2scn::MessageIcon::kError); }},
        {"the question to save", [&] { messages.AskToSave("text", "Exit"); }},
        {"the open dialog", [&] { dialog.AskOpen(L""); }},
        {"the save dialog", [&] { dialog.AskSave(L""); }},
    };
    const HCURSOR busy = ::LoadCursorW(nullptr, IDC_WAIT);
    int failed = 0;
    for (const auto& one : cases) {
        const flg2scn::Win32BusyCursor working;
        ::SetTimer(owner, kTimer, 100, CloseBox);
        one.show();
        ::KillTimer(owner, kTimer);
        if (::GetCursor() != busy) {
            std::printf("FAIL: after %s the cursor is not busy\n", one.name);
            ++failed;
        }
    }
    ::DestroyWindow(owner);
    return failed;
}
