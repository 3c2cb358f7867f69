#pragma once

#include <functional>

#include "commands/file_commands.h"
#include "commands/services.h"
#include "commands/window_layout.h"

namespace flg2scn {

// What choosing a menu entry does, the same in every front end: Load and Save
// through `files`, Convert on `text_area`, About in `messages`. Exit calls
// `close`, which the window supplies: it closes as its close button does, after
// FileCommands::MayClose, once this has returned. The File menu's title and a
// separator do nothing.
void RunMenuAction(MenuAction action, FileCommands& files, TextArea& text_area,
                   MessageBoxService& messages, const std::function<void()>& close);

}  // namespace flg2scn
