#pragma once

#include <functional>

#include "commands/file_commands.h"
#include "commands/services.h"
#include "commands/window_layout.h"

namespace flg2scn {

// The window's commands over the services its front end supplies, the same in
// every front end: what each menu entry runs, and the file commands (a file
// given by name, the question before the window closes). The files are those of
// `files`: the desktop's (DiskFiles) or a store of the front end's own.
class WindowCommands {
  public:
    WindowCommands(TextArea& text_area, FileDialog& dialog, MessageBoxService& messages,
                   FileStore& files)
        : text_area_(text_area), messages_(messages), files_(text_area, dialog, messages, files) {}

    // Runs a menu entry's command: Load and Save through the file commands,
    // Convert on the text area, About in a message box. Exit calls `close`, which
    // the window supplies: it closes as its close button does, after MayClose,
    // once this has returned. The File menu's title and a separator do nothing.
    void Run(MenuAction action, const std::function<void()>& close);

    FileCommands& files() { return files_; }

  private:
    TextArea& text_area_;
    MessageBoxService& messages_;
    FileCommands files_;
};

}  // namespace flg2scn
