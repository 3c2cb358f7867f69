#include "ui/file_commands.h"

#include "runtime/file_error.h"
#include "runtime/text_file.h"
#include "runtime/unicode.h"

namespace flg2scn {

namespace {

void TellFileError(MessageBox& messages, std::u16string_view action, const std::u16string& name,
                   const FileError& error) {
    std::u16string text = u"Cannot ";
    text += action;
    text += u" file ";
    text += name;
    text += u":\r\n";
    text += FromUtf8(error.reason);
    text += u".";
    messages.Tell(text, u"Error", MessageIcon::kError);
}

}  // namespace

void LoadFlagFile(const std::u16string& name, TextArea& text1, MessageBox& messages) {
    // The whole file is read before the text area changes, so a failure loses nothing.
    std::u16string text;
    try {
        text = ReadTextFile(ToUtf8(name));
    } catch (const FileError& error) {
        TellFileError(messages, u"read", name, error);
        return;
    }
    text1.SetText(std::move(text));
}

void mnuLoadFLG_Click(TextArea& text1, FileDialog& dialog, MessageBox& messages) {
    dialog.SetFilter(u"Flag Files|*.flg|All files|*.*");
    dialog.ShowOpen();
    const std::u16string name = dialog.FileName();
    if (!name.empty()) {
        LoadFlagFile(name, text1, messages);
    }
}

void mnuSaveSCN_Click(TextArea& text1, FileDialog& dialog, MessageBox& messages) {
    if (text1.Text().empty()) {
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
        WriteTextFile(ToUtf8(name), text1.Text());
    } catch (const FileError& error) {
        TellFileError(messages, u"write", name, error);
    }
}

}  // namespace flg2scn
