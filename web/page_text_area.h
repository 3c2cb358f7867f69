#pragma once

#include <string>

#include "commands/services.h"

namespace flg2scn {

// The text area "Text1" as the page's <textarea>. A textarea turns every CR LF
// and lone CR into LF, so it holds the text as shown (ShownTextLf): an LF for
// each line break, a symbol for each control character. The text itself is
// kept here and read back from the textarea only after the user edited it.
class PageTextArea final : public TextArea {
  public:
    std::u16string_view Text() override;
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;
    bool Changed() override { return changed_; }
    void SetUnchanged() override { changed_ = false; }

    // The user edited the text (typing, pasting, an undo).
    void Edited() { changed_ = true, stale_ = true; }
    // A save that the commands made failed after them, in the browser.
    void MarkChanged() { changed_ = true; }

  private:
    std::u16string text_;
    bool stale_ = false;
    bool changed_ = false;
};

}  // namespace flg2scn
