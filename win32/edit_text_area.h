#pragma once

#include <windows.h>

#include <string>

#include "commands/services.h"

namespace flg2scn {

// The text area "Text1" as a multiline EDIT control. The control would end its
// text at a NUL and break lines at a lone CR or LF: each control character
// shows as its symbol (ShownText) and reads back as itself. A Load or a Convert replaces the text
// as one edit, which the control's one step of undo takes back.
class EditTextArea : public TextArea {
  public:
    explicit EditTextArea(HWND edit) : edit_(edit) {}

    std::u16string_view Text() override;
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;
    bool Changed() override;
    void SetUnchanged() override;

  private:
    void Replace(std::u16string text, bool whole);

    HWND edit_;
    std::u16string text_;
};

}  // namespace flg2scn
