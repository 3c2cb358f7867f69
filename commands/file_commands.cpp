#include "commands/file_commands.h"

#include <new>
#include <optional>
#include <string>

#include "commands/messages.h"
#include "system/file_error.h"
#include "system/text_file.h"
#include "vb6/code_page.h"
#include "vb6/line_reading.h"

namespace flg2scn {

bool FileCommands::Load() {
    const std::optional<std::filesystem::path> name = dialog_.AskOpen(last_name_);
    return name && LoadFile(*name);
}

bool FileCommands::LoadFile(const std::filesystem::path& name) {
    last_name_ = name;
    // The whole file is read before the text area changes, so a failure loses nothing.
    std::u16string text;
    try {
        text = DecodeLines(files_.ReadBytes(name, kMaxTextFileBytes));
    } catch (const FileError& error) {
        TellFileError(messages_, name, error);
        return false;
    } catch (const std::bad_alloc&) {
        TellFileError(messages_, name,
                      FileError(FileError::Operation::kRead, Utf8Name(name), "out of memory"));
        return false;
    }
    text_area_.SetText(std::move(text));
    text_area_.SetUnchanged();
    return true;
}

bool FileCommands::LoadDropped(const std::vector<std::filesystem::path>& names) {
    if (names.size() == 1) {
        return LoadFile(names.front());
    }
    if (names.size() > 1) {
        TellOneFileAtATime(messages_);
    }
    return false;
}

bool FileCommands::Save() {
    if (!CanSave()) {
        return false;
    }
    const std::optional<std::filesystem::path> name = dialog_.AskSave(last_name_.parent_path());
    return name && SaveFile(*name);
}

bool FileCommands::SaveFile(const std::filesystem::path& name) {
    if (!CanSave()) {
        return false;
    }
    last_name_ = name;
    try {
        files_.ReplaceBytes(name, TextFileBytes(text_area_.Text()));
    } catch (const UnencodableCharacter& error) {
        TellFileError(messages_, name,
                      FileError(FileError::Operation::kWrite, Utf8Name(name), error.what()));
        return false;
    } catch (const FileError& error) {
        TellFileError(messages_, name, error);
        return false;
    }
    text_area_.SetUnchanged();
    return true;
}

bool FileCommands::MayClose() {
    if (!ShouldAskToSave()) {
        return true;
    }
    switch (AskToSaveChanges(messages_)) {
        case SaveChoice::kSave:
            return Save();
        case SaveChoice::kDiscard:
            return true;
        case SaveChoice::kCancel:
            break;
    }
    return false;
}

bool FileCommands::CanSave() {
    return !text_area_.Text().empty();
}

bool FileCommands::ShouldAskToSave() {
    return text_area_.Changed() && CanSave();
}

}  // namespace flg2scn
