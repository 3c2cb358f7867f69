#include "commands/file_commands.h"

#include <new>

#include "commands/messages.h"
#include "runtime/file_error.h"
#include "runtime/text_file.h"
#include "runtime/unicode.h"

namespace flg2scn {

bool LoadCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages) {
    dialog.SetFilter(u"Flag Files|*.flg|All files|*.*");
    dialog.ShowOpen();
    const std::u16string name = dialog.FileName();
    return !name.empty() && LoadFlagFile(name, text_area, messages);
}

bool LoadFlagFile(const std::u16string& name, TextArea& text_area, MessageBox& messages) {
    // The whole file is read before the text area changes, so a failure loses nothing.
    std::u16string text;
    try {
        text = ReadTextFile(ToUtf8(name));
    } catch (const FileError& error) {
        TellFileError(messages, name, error);
        return false;
    } catch (const std::bad_alloc&) {
        TellFileError(messages, name,
                      FileError(FileError::Operation::kRead, ToUtf8(name), "out of memory"));
        return false;
    }
    text_area.SetText(std::move(text));
    return true;
}

bool SaveCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages) {
    if (text_area.Text().empty()) {
        return false;
    }
    dialog.SetFilter(u"Scenario File|*.scn");
    dialog.SetFileName(u"");
    dialog.ShowSave();
    const std::u16string name = dialog.FileName();
    if (name.empty()) {
        return false;
    }
    try {
        WriteTextFile(ToUtf8(name), text_area.Text());
    } catch (const FileError& error) {
        TellFileError(messages, name, error);
        return false;
    }
    return true;
}

bool MayClose(TextArea& text_area, bool changed, FileDialog& dialog, MessageBox& messages) {
    if (!changed || text_area.Text().empty()) {
        return true;
    }
    switch (AskToSaveChanges(messages)) {
        case SaveChoice::kSave:
            return SaveCommand(text_area, dialog, messages);
        case SaveChoice::kDiscard:
            return true;
        case SaveChoice::kCancel:
            break;
    }
    return false;
}

}  // namespace flg2scn
