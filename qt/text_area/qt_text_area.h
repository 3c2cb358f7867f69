#pragma once

#include <QMetaObject>
#include <string>

#include "commands/services.h"
#include "qt/text_area/widget_text.h"

class QPlainTextEdit;

namespace flg2scn {

// The text area, in this folder:
// - WidgetText (widget_text.h) states how the text is held in the widget's
//   document: CR LF as a block break, a lone CR or LF as a symbol, long lines in
//   pieces behind soft breaks, many lines grouped into blocks;
// - text_blocks.h reads and writes the document's blocks by those rules;
// - TextEdit (text_edit.h) is the widget, which edits, moves, copies and pastes
//   by the text's lines, not the pieces, and draws characters without a glyph
//   by the names that symbol_names.h gives them;
// - SelectionMimeData makes a copied text only when it is pasted;
// - QtTextArea, below, is the text area service that the commands see.
//
// QtTextArea: every change is an edit of the document that undo takes back; all
// changes of one command form a single undo step.
class QtTextArea : public TextArea {
  public:
    explicit QtTextArea(QPlainTextEdit* edit);
    ~QtTextArea() override;
    QtTextArea(const QtTextArea&) = delete;
    QtTextArea& operator=(const QtTextArea&) = delete;

    // The changes from here on, up to the next call, are undone together.
    void beginCommand() { joined_ = false; }

    std::u16string_view Text() override;
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;
    // The document's own modified flag, which undo also takes back.
    bool Changed() override;
    void SetUnchanged() override;

  private:
    // Replaces the whole text (whole == true) or adds to its end.
    void change(const WidgetText& text, bool whole);

    QPlainTextEdit* edit_;
    // The text as last read; read again only after the document changed, since a
    // command asks for it several times and the document may be large.
    std::u16string text_;
    bool stale_ = true;
    QMetaObject::Connection watch_;
    bool joined_ = false;
};

}  // namespace flg2scn
