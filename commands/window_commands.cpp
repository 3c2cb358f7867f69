#include "commands/window_commands.h"

#include "commands/convert_command.h"
#include "commands/messages.h"

namespace flg2scn {

void WindowCommands::Run(MenuAction action, const std::function<void()>& close) {
    switch (action) {
        case MenuAction::kLoad:
            files_.Load();
            break;
        case MenuAction::kSave:
            files_.Save();
            break;
        case MenuAction::kExit:
            close();
            break;
        case MenuAction::kConvert:
            ConvertCommand(text_area_, messages_);
            break;
        case MenuAction::kAbout:
            TellAbout(messages_);
            break;
        case MenuAction::kFileMenu:
        case MenuAction::kNone:
            break;
    }
}

}  // namespace flg2scn
