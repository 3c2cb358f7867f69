#pragma once

#include "commands/services.h"

namespace flg2scn {

// "&Convert It": reads the flag text of the text area, checks it, and replaces it
// with the scenario text. Every other outcome is told in a message box; the text
// area then keeps the CR LF that the command may have appended.
void ConvertCommand(TextArea& text_area, MessageBoxService& messages);

}  // namespace flg2scn
