#include "commands/menu_actions.h"

#include "commands/convert_command.h"
#include "commands/messages.h"

namespace flg2scn {

void RunMenuAction(MenuAction action, FileCommands& files, TextArea& text_area,
                   MessageBoxService& messages, const std::function<void()>& close) {
    switch (action) {
        case MenuAction::kLoad:
            files.Load();
            break;
        case MenuAction::kSave:
            files.Save();
            break;
        case MenuAction::kExit:
            close();
            break;
        case MenuAction::kConvert:
            ConvertCommand(text_area, messages);
            break;
        case MenuAction::kAbout:
            TellAbout(messages);
            break;
        case MenuAction::kFileMenu:
        case MenuAction::kNone:
            break;
    }
}

}  // namespace flg2scn
