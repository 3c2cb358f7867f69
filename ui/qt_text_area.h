#pragma once

#include <QMetaObject>
#include <string>

#include "commands/services.h"
#include "ui/widget_text.h"

class QPlainTextEdit;

namespace flg2scn {

// The text area service on a QPlainTextEdit, whose document holds the text as
// WidgetText lays it out.
//
// Every change is an edit of the document that undo takes back; all changes of
// one command form a single undo step.
class QtTextArea : public TextArea {
  public:
    explicit QtTextArea(QPlainTextEdit* edit);
    ~QtTextArea() override;
    QtTextArea(const QtTextArea&) = delete;
    QtTextArea& operator=(const QtTextArea&) = delete;

    // The changes from here on, up to the next call, are undone together.
    void BeginCommand() { joined_ = false; }

    std::u16string_view Text() override;
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;

  private:
    // Replaces the whole text (whole == true) or adds to its end.
    void Edit(const WidgetText& text, bool whole);

    QPlainTextEdit* edit_;
    // The text as last read; read again only after the document changed, since a
    // command asks for it several times and the document may be large.
    std::u16string text_;
    bool stale_ = true;
    QMetaObject::Connection watch_;
    bool joined_ = false;
};

}  // namespace flg2scn
