#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>

#include "commands/disk_files.h"
#include "commands/window_commands.h"
#include "win32/text_control.h"
#include "win32/win32_file_dialog.h"
#include "win32/win32_message_box.h"

namespace flg2scn {

// The program's one window, "Form1", on the Windows API: the text area "Text1"
// (TextControl) fills the client area under the menu bar, whose entries run the
// commands, with their shortcuts; a file dropped on the window loads. Moved to a monitor of another
// DPI, the window takes the size Windows suggests and the text its font at the new DPI.
class Win32Window {
  public:
    // Makes the window, not yet shown; nothing when Windows refuses.
    static std::unique_ptr<Win32Window> Create(HINSTANCE instance);
    ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Shows the window, loads `file` unless it is empty, and handles the window's
    // messages until it closes; gives the program's exit status.
    int Run(int show, const std::filesystem::path& file);

  private:
    Win32Window() = default;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);
    void Created(HWND window);
    // Gives the text area its font for a screen of `dots` dots to the inch.
    void SetTextFont(int dots);
    void RunMenuEntry(int id);

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HACCEL keys_ = nullptr;
    // The services over the window and its text area, and the commands over
    // them: made together once the window exists.
    struct Services {
        explicit Services(HWND window)
            : text_area(window),
              messages(window),
              dialog(window),
              commands(text_area, dialog, messages, files) {}
        TextControl text_area;
        Win32MessageBox messages;
        Win32FileDialog dialog;
        DiskFiles files;
        WindowCommands commands;
    };
    std::unique_ptr<Services> services_;
};

}  // namespace flg2scn
