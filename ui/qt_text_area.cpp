#include "ui/qt_text_area.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace flg2scn {

namespace {

constexpr char16_t kParagraphSeparator = u'\u2029';  // a block break in the document
constexpr char16_t kLineSeparator = u'\u2028';       // Shift+Enter
constexpr char16_t kCrSymbol = u'\u240D';
constexpr char16_t kLfSymbol = u'\u240A';

}  // namespace

std::u16string ToWidgetText(std::u16string_view text) {
    std::u16string widget;
    widget.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            widget += kParagraphSeparator;
            ++i;
        } else if (c == u'\r') {
            widget += kCrSymbol;
        } else if (c == u'\n') {
            widget += kLfSymbol;
        } else {
            widget += c;
        }
    }
    return widget;
}

std::u16string FromWidgetText(std::u16string_view raw) {
    std::u16string text;
    text.reserve(raw.size());
    for (const char16_t c : raw) {
        switch (c) {
            case kParagraphSeparator:
            case kLineSeparator:
                text += u"\r\n";
                break;
            case kCrSymbol:
                text += u'\r';
                break;
            case kLfSymbol:
                text += u'\n';
                break;
            default:
                text += c;
        }
    }
    return text;
}

QtTextArea::QtTextArea(QPlainTextEdit* edit)
    : edit_(edit),
      watch_(QObject::connect(edit->document(), &QTextDocument::contentsChanged,
                              [this] { stale_ = true; })) {}

QtTextArea::~QtTextArea() {
    QObject::disconnect(watch_);
}

std::u16string_view QtTextArea::Text() {
    if (stale_) {
        // The raw text keeps what toPlainText() would change (a no-break space,
        // for one) and gives block breaks as U+2029.
        text_ = FromWidgetText(edit_->document()->toRawText().toStdU16String());
        stale_ = false;
    }
    return text_;
}

void QtTextArea::SetText(std::u16string text) {
    Edit(text, true);
}

void QtTextArea::AppendText(std::u16string_view text) {
    Edit(text, false);
}

void QtTextArea::Edit(std::u16string_view text, bool whole) {
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
    cursor.insertText(QString::fromStdU16String(ToWidgetText(text)));
    cursor.endEditBlock();
}

}  // namespace flg2scn
