#pragma once

#include <filesystem>
#include <vector>

#include "commands/services.h"

namespace flg2scn {

// "&Load .FLG" and "&Save .SCN", and the question before the window closes. They
// remember the name of the file last chosen in either dialog or loaded by name:
// Load's dialog starts with it, and Save's in its folder. A text is changed from
// the first edit after it was loaded or saved.
//
// Each command that asks comes in two steps, for front ends whose dialogs answer
// later: Load is AskOpen(last_name()), then LoadFile; Save is, when CanSave(),
// AskSave(last_name().parent_path()), then SaveFile; MayClose is, when
// ShouldAskToSave(), AskToSaveChanges, then Save or nothing.
class FileCommands {
  public:
    FileCommands(TextArea& text_area, FileDialog& dialog, MessageBoxService& messages,
                 FileStore& files)
        : text_area_(text_area), dialog_(dialog), messages_(messages), files_(files) {}

    // Asks for a flag file and puts its lines into the text area. A file that
    // cannot be read is told, and the text area keeps its text. Returns whether a
    // file was loaded.
    bool Load();
    // The same for a file named otherwise (dropped on the window, or given at
    // start, as by opening a flag file with the program).
    bool LoadFile(const std::filesystem::path& name);
    // Files dropped on the window: one loads; several are told, since the text
    // area holds one file, and none loads.
    bool LoadDropped(const std::vector<std::filesystem::path>& names);
    // Asks for a file name and writes the text area's text, then CR LF,
    // atomically. Nothing happens for an empty text area. A failure is told, and
    // any old file stays as it was. Returns whether the text was saved.
    bool Save();
    // The same for a name chosen otherwise.
    bool SaveFile(const std::filesystem::path& name);
    // Before the window closes: a changed text that is not empty asks whether to
    // save it. Returns whether the window may close: not when the user cancels,
    // nor when the save is cancelled or fails.
    bool MayClose();

    // Whether Save would ask for a name: the text area is not empty.
    bool CanSave();
    // Whether MayClose would ask: the text is changed and not empty.
    bool ShouldAskToSave();
    const std::filesystem::path& last_name() const { return last_name_; }

  private:
    TextArea& text_area_;
    FileDialog& dialog_;
    MessageBoxService& messages_;
    FileStore& files_;
    std::filesystem::path last_name_;
};

}  // namespace flg2scn
