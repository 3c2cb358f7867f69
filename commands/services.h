#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// The window services that the commands see. The window supplies them with Qt;
// tests supply plain ones.

// The text area: the program's one piece of working data. Its text uses CR LF
// between lines; a lone CR or LF is an ordinary character.
class TextArea {
  public:
    virtual ~TextArea() = default;

    // The whole text; the view is valid until the text area is next used.
    virtual std::u16string_view Text() = 0;
    // Replaces the whole text.
    virtual void SetText(std::u16string text) = 0;
    // Adds to the end of the text.
    virtual void AppendText(std::u16string_view text) = 0;
};

// Message box icons, by the style numbers of the original platform.
enum class MessageIcon { kError = 16, kWarning = 48, kInformation = 64 };

// What the user answers when asked whether to save the text.
enum class SaveChoice { kSave, kDiscard, kCancel };

// Modal message boxes. A CR LF in a text breaks it into lines.
class MessageBox {
  public:
    virtual ~MessageBox() = default;

    // A message with a single OK button; returns once it is dismissed.
    virtual void Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) = 0;
    // A question with the buttons Save, Discard and Cancel; closing the box cancels.
    virtual SaveChoice AskToSave(std::u16string_view text, std::u16string_view title) = 0;
};

// The file dialog object: it keeps its filter and file name from one use to the
// next. A filter pairs descriptions and patterns, all joined by '|' ("Flag
// Files|*.flg|All files|*.*"); the first pair is selected when the dialog opens.
// The dialog opens with the current file name; afterwards the file name is the
// chosen file's full path, or empty when nothing was chosen.
class FileDialog {
  public:
    virtual ~FileDialog() = default;

    virtual void SetFilter(std::u16string filter) = 0;
    virtual void SetFileName(std::u16string name) = 0;
    virtual std::u16string FileName() const = 0;
    virtual void ShowOpen() = 0;
    virtual void ShowSave() = 0;
};

}  // namespace flg2scn
