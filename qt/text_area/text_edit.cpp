#include "qt/text_area/text_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "qt/qt_cursors.h"
#include "qt/text_area/selection_mime_data.h"
#include "qt/text_area/text_blocks.h"

namespace flg2scn {

TextEdit::TextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // A copy, by key, menu or cut, puts a new offer on the clipboard.
    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::dataChanged, this, [this, clipboard] {
        const auto* offer = qobject_cast<const SelectionMimeData*>(clipboard->mimeData());
        if (offer != nullptr && offer->isOf(document())) {
            offer->makeWhenIdle();
        }
    });
}

namespace {

// Whether a key may change the text: it types a character or it edits. Moves and
// copies leave the text as it is.
bool MayEdit(QKeyEvent* event) {
    if (event == QKeySequence::Copy || event == QKeySequence::SelectAll) {
        return false;
    }
    using K = QKeySequence;
    static constexpr K::StandardKey kEdits[] = {K::Undo,
                                                K::Redo,
                                                K::Paste,
                                                K::Delete,
                                                K::Backspace,
                                                K::DeleteEndOfWord,
                                                K::DeleteStartOfWord,
                                                K::DeleteEndOfLine,
                                                K::DeleteCompleteLine,
                                                K::InsertParagraphSeparator,
                                                K::InsertLineSeparator};
    return !event->text().isEmpty() ||
           std::any_of(std::begin(kEdits), std::end(kEdits),
                       [event](K::StandardKey key) { return event == key; });
}

}  // namespace

void TextEdit::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && MayEdit(event)) {
        MakeOfferedTextNow(document());
    }
    if (event == QKeySequence::Cut) {
        cutSelection();
        return;
    }
    if (event == QKeySequence::Undo || event == QKeySequence::Redo) {
        undoOrRedo(event == QKeySequence::Undo);
        return;
    }
    const bool handled =
        (!isReadOnly() && (breakLine(event) || deleteOverPieceEnd(event) ||
                           insertTyped(event == QKeySequence::InsertLineSeparator
                                           ? QString(WidgetText::kLineSeparator)
                                           : event->text(),
                                       event == QKeySequence::InsertLineSeparator))) ||
        moveOverPieceEnd(event) || moveToLineEnd(event);
    if (!handled) {
        QPlainTextEdit::keyPressEvent(event);
    }
}

// The widget would give typed characters the format of the one before them,
// which may be the text's own. A line separator that Shift+Enter types is a line
// break; a typed symbol or line separator otherwise is the text's own.
bool TextEdit::insertTyped(const QString& typed, bool line_break) {
    const std::u16string text = typed.toStdU16String();
    if (!line_break && std::none_of(text.begin(), text.end(), StandsForOther)) {
        return false;
    }
    WidgetText widget = ToWidgetText(text, LineBreaks::kPasted);
    if (line_break) {
        widget.own_chars.clear();
    }
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    InsertWidgetText(cursor, widget);
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

// The widget's own Enter gives the new block the format of the one it splits, so
// in a piece it would make a piece, not a line break.
bool TextEdit::breakLine(QKeyEvent* event) {
    QTextCursor cursor = textCursor();
    if (event != QKeySequence::InsertParagraphSeparator ||
        !ContinuesLine(document()->findBlock(cursor.selectionStart()))) {
        return false;
    }
    cursor.insertBlock(QTextBlockFormat());
    setTextCursor(cursor);
    return true;
}

// Between two pieces the only thing to delete is the soft break, which stands for
// nothing: delete it and the character beyond.
bool TextEdit::deleteOverPieceEnd(QKeyEvent* event) {
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        return false;
    }
    const bool backspace = event->key() == Qt::Key_Backspace &&
                           (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (backspace && cursor.atBlockStart() && ContinuesLine(cursor.block())) {
        cursor.beginEditBlock();
        while (cursor.atBlockStart() && ContinuesLine(cursor.block())) {
            cursor.deletePreviousChar();
        }
        cursor.deletePreviousChar();
    } else if (event == QKeySequence::Delete && cursor.atBlockEnd() &&
               ContinuesLine(cursor.block().next())) {
        cursor.beginEditBlock();
        while (cursor.atBlockEnd() && ContinuesLine(cursor.block().next())) {
            cursor.deleteChar();
        }
        cursor.deleteChar();
    } else {
        return false;
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

// The end of a piece and the start of the next are one place in the text; a
// move by a character does not stop at the start of a piece.
bool TextEdit::moveOverPieceEnd(QKeyEvent* event) {
    const bool select =
        event == QKeySequence::SelectNextChar || event == QKeySequence::SelectPreviousChar;
    if (!select && event != QKeySequence::MoveToNextChar &&
        event != QKeySequence::MoveToPreviousChar) {
        return false;
    }
    const int before = textCursor().position();
    QPlainTextEdit::keyPressEvent(event);
    QTextCursor cursor = textCursor();
    if (cursor.position() != before && cursor.atBlockStart() && ContinuesLine(cursor.block())) {
        cursor.movePosition(cursor.position() > before ? QTextCursor::NextCharacter
                                                       : QTextCursor::PreviousCharacter,
                            select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        setTextCursor(cursor);
    }
    return true;
}

// Home and End go to the start and end of the line, over the pieces it is in. The
// pieces are searched, not laid out: a line may be thousands of them.
bool TextEdit::moveToLineEnd(QKeyEvent* event) {
    const bool end =
        event == QKeySequence::MoveToEndOfLine || event == QKeySequence::SelectEndOfLine;
    if (!end && event != QKeySequence::MoveToStartOfLine &&
        event != QKeySequence::SelectStartOfLine) {
        return false;
    }
    // First to the piece's end or start.
    QPlainTextEdit::keyPressEvent(event);
    QTextCursor cursor = textCursor();
    const auto mode =
        event == QKeySequence::SelectEndOfLine || event == QKeySequence::SelectStartOfLine
            ? QTextCursor::KeepAnchor
            : QTextCursor::MoveAnchor;
    constexpr QChar kLineSeparator(WidgetText::kLineSeparator);
    // A line separator at a piece's edge ends the line there.
    while (end && cursor.atBlockEnd() && ContinuesLine(cursor.block().next())) {
        const QTextBlock next = cursor.block().next();
        const qsizetype at = next.text().indexOf(kLineSeparator);
        if (at == 0) {
            break;
        }
        cursor.setPosition(next.position() + static_cast<int>(at < 0 ? next.length() - 1 : at),
                           mode);
    }
    while (!end && cursor.atBlockStart() && ContinuesLine(cursor.block())) {
        const QTextBlock before = cursor.block().previous();
        const qsizetype at = before.text().lastIndexOf(kLineSeparator);
        if (at >= 0 && at == before.length() - 2) {
            break;
        }
        cursor.setPosition(before.position() + static_cast<int>(at + 1), mode);
    }
    setTextCursor(cursor);
    return true;
}

// The widget's own menu. Its edits keep what the clipboard holds of the text, and
// undo and redo show the busy cursor.
void TextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    const std::pair<QString, std::function<void()>> edits[] = {
        {QStringLiteral("edit-undo"), [this] { undoOrRedo(true); }},
        {QStringLiteral("edit-redo"), [this] { undoOrRedo(false); }},
        {QStringLiteral("edit-cut"), [this] { cutSelection(); }},
        {QStringLiteral("edit-delete"), [this] {
             MakeOfferedTextNow(document());
             textCursor().removeSelectedText();
         }}};
    for (QAction* action : menu->actions()) {
        for (const auto& [name, edit] : edits) {
            if (action->objectName() == name) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, edit);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextEdit::undoOrRedo(bool undo) {
    const QtBusyCursor busy;
    MakeOfferedTextNow(document());
    const int blocks = document()->blockCount();
    undo ? this->undo() : redo();
    if (document()->blockCount() != blocks) {
        ForgetWidestLine(*this);
    }
}

// The widget's own cut would take away the text of the offer it just made.
void TextEdit::cutSelection() {
    if (isReadOnly() || !textCursor().hasSelection()) {
        return;
    }
    copy();
    MakeOfferedTextNow(document());
    textCursor().removeSelectedText();
}

void TextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && (!event->commitString().isEmpty() || !event->preeditString().isEmpty())) {
        MakeOfferedTextNow(document());
    }
    if (!isReadOnly() && event->preeditString().isEmpty() && event->replacementLength() == 0 &&
        insertTyped(event->commitString(), false)) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// A move of the selection by drag and drop takes it away before it inserts the
// dragged text.
void TextEdit::dropEvent(QDropEvent* event) {
    MakeOfferedTextNow(event->mimeData());
    MakeOfferedTextNow(document());
    QPlainTextEdit::dropEvent(event);
}

// The widget's own paste would make every pasted line break a piece inside one.
void TextEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly()) {
        return;
    }
    const QtBusyCursor busy;
    const WidgetText pasted = ToWidgetText(source->text().toStdU16String(), LineBreaks::kPasted);
    MakeOfferedTextNow(document());
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    InsertWidgetText(cursor, pasted);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

// The copied text is made when someone pastes it or the event loop is idle (see
// SelectionMimeData).
QMimeData* TextEdit::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    return new SelectionMimeData(document(), cursor.selectionStart(), cursor.selectionEnd());
}

}  // namespace flg2scn
