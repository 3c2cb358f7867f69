// Times the text controls that the Win32 window could use, a multiline EDIT
// and a RichEdit (Msftedit.dll), on one text file: its load, and End, Ctrl+End,
// a typed letter, select all and copy, each up to the repaint that shows it;
// and Text1, the window's own text area (TextControl, loaded as a Load loads
// it). Under wine this times wine's controls, not Windows's.
//
//   flg2scn-edit-controls-bench FILE [EDIT|RichEdit|Text1]

#include <windows.h>

#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

#include "commands/window_layout.h"
#include "win32/text_control.h"

namespace {

double Time(HWND window, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// A key as the control gets it from the message loop, with Ctrl held or not.
void Key(HWND control, WPARAM key, bool control_down) {
    BYTE state[256];
    ::GetKeyboardState(state);
    state[VK_CONTROL] = control_down ? 0x80 : 0;
    ::SetKeyboardState(state);
    ::SendMessageW(control, WM_KEYDOWN, key, 1);
    ::SendMessageW(control, WM_KEYUP, key, 1 | (3U << 30));
    state[VK_CONTROL] = 0;
    ::SetKeyboardState(state);
}

// Ctrl+A and Ctrl+C are Text1's keys; the system controls take messages.
void Measure(const wchar_t* kind, const wchar_t* type, const std::wstring& text) {
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                          0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    const bool text1 = std::wstring_view(kind) == L"Text1";
    std::unique_ptr<flg2scn::TextControl> area;
    HWND control = nullptr;
    if (text1) {
        area = std::make_unique<flg2scn::TextControl>(window);
        control = area->window();
        ::MoveWindow(control, 0, 0, 620, 440, TRUE);
        // The window's font, at 96 dots to the inch.
        LOGFONTW font{};
        font.lfHeight = -::MulDiv(flg2scn::kTextFontPoints, 96, 72);
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        std::wstring(L"Fixedsys").copy(font.lfFaceName, LF_FACESIZE - 1);
        area->SetFont(::CreateFontIndirectW(&font));
    } else {
        control = ::CreateWindowExW(0, type, L"",
                                    WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                        ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL,
                                    0, 0, 620, 440, window, nullptr, nullptr, nullptr);
        ::SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        ::SendMessageW(control, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    }
    ::SetFocus(control);
    std::printf("%-8ls", kind);
    std::printf(" load %9.1f", Time(window, [&] {
                    if (text1) {
                        area->SetText({text.begin(), text.end()});
                    } else {
                        ::SendMessageW(control, WM_SETTEXT, 0,
                                       reinterpret_cast<LPARAM>(text.c_str()));
                    }
                }));
    std::printf(" end %8.1f", Time(window, [&] { Key(control, VK_END, false); }));
    std::printf(" ctrl+end %8.1f", Time(window, [&] { Key(control, VK_END, true); }));
    std::printf(" type %8.1f", Time(window, [&] { ::SendMessageW(control, WM_CHAR, 'x', 1); }));
    std::printf(" select all %8.1f", Time(window, [&] {
                    text1 ? Key(control, 'A', true)
                          : static_cast<void>(::SendMessageW(control, EM_SETSEL, 0, -1));
                }));
    std::printf(" copy %8.1f ms\n", Time(window, [&] {
                    text1 ? Key(control, 'C', true)
                          : static_cast<void>(::SendMessageW(control, WM_COPY, 0, 0));
                }));
    ::DestroyWindow(window);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: flg2scn-edit-controls-bench FILE [EDIT|RichEdit|Text1]\n");
        return 2;
    }
    const std::wstring only = argc == 3 ? argv[2] : L"";
    std::ifstream file(argv[1], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    // Windows-1252 text that is ASCII here.
    const std::wstring text(bytes.begin(), bytes.end());
    if (only.empty() || only == L"EDIT") {
        Measure(L"EDIT", L"EDIT", text);
    }
    if (only.empty() || only == L"Text1") {
        Measure(L"Text1", L"EDIT", text);
    }
    if (only.empty() || only == L"RichEdit") {
        ::LoadLibraryW(L"Msftedit.dll");
        Measure(L"RichEdit", MSFTEDIT_CLASS, text);
    }
    return 0;
}
