#include "qt/text_area/qt_text_area.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "qt/text_area/selection_mime_data.h"
#include "qt/text_area/text_blocks.h"

namespace flg2scn {

QtTextArea::QtTextArea(QPlainTextEdit* edit)
    : edit_(edit),
      watch_(QObject::connect(edit->document(), &QTextDocument::contentsChanged, [this] {
          // A large text is not kept after it changed.
          text_ = std::u16string();
          stale_ = true;
      })) {}

QtTextArea::~QtTextArea() {
    QObject::disconnect(watch_);
}

std::u16string_view QtTextArea::Text() {
    if (stale_) {
        text_ = DocumentText(*edit_->document());
        stale_ = false;
    }
    return text_;
}

void QtTextArea::SetText(std::u16string text) {
    const WidgetText widget = ToWidgetText(text);
    // A large text is not held a third time while the document takes it in.
    text = std::u16string();
    change(widget, true);
}

void QtTextArea::AppendText(std::u16string_view text) {
    change(ToWidgetText(text), false);
}

bool QtTextArea::Changed() {
    return edit_->document()->isModified();
}

void QtTextArea::SetUnchanged() {
    edit_->document()->setModified(false);
}

void QtTextArea::change(const WidgetText& text, bool whole) {
    MakeOfferedTextNow(edit_->document());
    QTextCursor cursor(edit_->document());
    if (joined_) {
        cursor.joinPreviousEditBlock();
    } else {
        cursor.beginEditBlock();
        joined_ = true;
    }
    if (whole) {
        cursor.select(QTextCursor::Document);
    } else {
        cursor.movePosition(QTextCursor::End);
    }
    InsertWidgetText(cursor, text);
    cursor.endEditBlock();
    if (whole) {
        ForgetWidestLine(*edit_);
        cursor.movePosition(QTextCursor::Start);
        edit_->setTextCursor(cursor);
        edit_->ensureCursorVisible();
    }
}

}  // namespace flg2scn
