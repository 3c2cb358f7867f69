#include "commands/file_commands.h"

#include <new>

#include "commands/messages.h"
#include "runtime/file_error.h"
#include "runtime/text_file.h"
#include "runtime/unicode.h"

namespace flg2scn {

void LoadCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages) {
    dialog.SetFilter(u"Flag Files|*.flg|All files|*.*");
    dialog.ShowOpen();
    const std::u16string name = dialog.FileName();
    if (!name.empty()) {
        LoadFlagFile(name, text_area, messages);
    }
}

void LoadFlagFile(const std::u16string& name, TextArea& text_area, MessageBox& messages) {
    // The whole file is read before the text area changes, so a failure loses nothing.
    std::u16string text;
    try {
        text = ReadTextFile(ToUtf8(name));
    } catch (const FileError& error) {
        TellFileError(messages, name, error);
        return;
    } catch (const std::bad_alloc&) {
        TellFileError(messages, name,
                      FileError(FileError::Operation::kRead, ToUtf8(name), "out of memory"));
        return;
    }
    text_area.SetText(std::move(text));
}

void SaveCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages) {
    if (text_area.Text().empty()) {
        return;
    }
    dialog.SetFilter(u"Scenario File|*.scn");
    dialog.SetFileName(u"");
    dialog.ShowSave();
    const std::u16string name = dialog.FileName();
    if (name.empty()) {
        return;
    }
    try {
        WriteTextFile(ToUtf8(name), text_area.Text());
    } catch (const FileError& error) {
        TellFileError(messages, name, error);
    }
}

}  // namespace flg2scn
