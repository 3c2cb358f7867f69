#pragma once

#include <string>

#include "commands/services.h"
#include "editor/text_editor.h"

namespace flg2scn {

// The text area "Text1": the text lives here, in a TextEditor, and the page
// (text_view.js) draws the rows in sight and hands over the user's keys. A
// browser's own text area would turn each CR LF and lone CR into LF and lay out
// the whole text, which takes seconds for megabytes.
class PageTextArea final : public TextArea {
  public:
    std::u16string_view Text() override { return editor_.text(); }
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;
    bool Changed() override { return editor_.changed(); }
    void SetUnchanged() override { editor_.set_changed(false); }

    TextEditor& editor() { return editor_; }
    // A save that the commands made failed after them, in the browser.
    void MarkChanged() { editor_.set_changed(true); }

  private:
    TextEditor editor_;
};

}  // namespace flg2scn
