#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace flg2scn {

// The window services that the commands see. Each front end supplies its own;
// tests supply plain ones.
//
// The services answer at once: a dialog or a question returns the user's answer.
// A front end whose dialogs can only answer later (a web page's file picker, a
// download) asks its question first, then runs the command's step that takes the
// answer (see FileCommands: LoadFile, SaveFile, ShouldAskToSave).

// The text area: the program's one piece of working data. Its text uses CR LF
// between lines; a lone CR or LF is an ordinary character.
class TextArea {
  public:
    virtual ~TextArea() = default;

    // The whole text; the view is valid until the text area is next used.
    virtual std::u16string_view Text() = 0;
    // Replaces the whole text, and shows its start with the caret there: a
    // loaded file's header, a scenario's first lines.
    virtual void SetText(std::u16string text) = 0;
    // Adds to the end of the text.
    virtual void AppendText(std::u16string_view text) = 0;
    // Whether the text changed, by the user or a command, since SetUnchanged.
    virtual bool Changed() = 0;
    virtual void SetUnchanged() = 0;
};

// The kind of a message, which its icon shows.
enum class MessageIcon { kError, kWarning, kInformation };

// What the user answers when asked whether to save the text.
enum class SaveChoice { kSave, kDiscard, kCancel };

// The answer that the button `pressed` gives, where `save` and `discard` are the
// toolkit's buttons for those: any other, or closing the box, cancels.
template <typename Button>
constexpr SaveChoice SaveChoiceOf(Button pressed, Button save, Button discard) {
    if (pressed == save) {
        return SaveChoice::kSave;
    }
    return pressed == discard ? SaveChoice::kDiscard : SaveChoice::kCancel;
}

// Modal message boxes. Texts are UTF-8; a CR LF in a text breaks it into lines.
// Not named MessageBox, which winuser.h defines as a macro.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;

    // A message with a single OK button; returns once it is dismissed.
    virtual void Tell(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    // A question with the buttons Save, Discard and Cancel; closing the box cancels.
    virtual SaveChoice AskToSave(std::string_view text, std::string_view title) = 0;
};

// Modal file dialogs, each giving the chosen file or nothing. The open dialog
// offers flag files (*.flg) first and all files second; the save dialog offers
// scenario files (*.scn) only, and a name chosen without an extension gets ".scn".
class FileDialog {
  public:
    virtual ~FileDialog() = default;

    // Asks for an existing file, starting at `start` (a file's name selects it;
    // an empty one starts where the dialog likes).
    virtual std::optional<std::filesystem::path> AskOpen(const std::filesystem::path& start) = 0;
    // Asks for a name to save under, starting with none in `folder` (an empty one
    // starts where the dialog likes).
    virtual std::optional<std::filesystem::path> AskSave(const std::filesystem::path& folder) = 0;
};

// The files that the commands read and write, by name and in bytes: on the
// desktop the file system (DiskFiles), elsewhere whatever holds the files, such as
// the bytes a web page's picker gave and a download. Failures are FileErrors
// (system/file_error.h) naming the file as the user gave it.
class FileStore {
  public:
    virtual ~FileStore() = default;

    // All bytes of the file `name`. A file of more than `max_bytes` is refused.
    virtual std::string ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) = 0;
    // Puts `bytes` in the place of the file `name`, whole: after a failure any
    // old file is as it was.
    virtual void ReplaceBytes(const std::filesystem::path& name, std::string_view bytes) = 0;
};

}  // namespace flg2scn
