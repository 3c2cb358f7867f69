#pragma once

#include <QMetaObject>
#include <string>

#include "commands/services.h"

class QPlainTextEdit;

namespace flg2scn {

// The text area service on a QPlainTextEdit. A line break of the widget is CR LF
// in the text. The widget cannot hold a lone CR or LF, so it shows them as the
// symbols U+240D and U+240A and turns them back when the text is read; its line
// separator (Shift+Enter) reads as CR LF.
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
    void Edit(std::u16string_view text, bool whole);

    QPlainTextEdit* edit_;
    // The text as last read; read again only after the document changed, since a
    // command asks for it several times and the document may be large.
    std::u16string text_;
    bool stale_ = true;
    QMetaObject::Connection watch_;
    bool joined_ = false;
};

// The widget's form of a text and back.
std::u16string ToWidgetText(std::u16string_view text);
std::u16string FromWidgetText(std::u16string_view raw);

}  // namespace flg2scn
