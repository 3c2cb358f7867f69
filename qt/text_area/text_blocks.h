#pragma once

#include <string>

#include "qt/text_area/widget_text.h"

class QPlainTextEdit;
class QString;
class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace flg2scn {

// A document's blocks as the text area lays the text out (see WidgetText). A
// block after a soft break carries a property in its block format, and a
// character that is the text's own (WidgetText::own_chars) one in its character
// format; undo and redo keep both.

// Whether the block continues the line of the block before it.
bool ContinuesLine(const QTextBlock& block);

// Inserts `text` at the cursor in place of its selection.
void InsertWidgetText(QTextCursor& cursor, const WidgetText& text);

// Whether the character at `i` in `block` is the text's own.
bool IsOwnChar(const QTextBlock& block, int i);

// The text that the document holds.
std::u16string DocumentText(const QTextDocument& document);

// The plain text layout remembers the widest line it has laid out even once the
// line is gone, and the horizontal scroll bar keeps that width; this has it
// measure the lines anew as they are laid out.
void ForgetWidestLine(QPlainTextEdit& edit);

// Adds to `text` the document's characters from `start` to `end` as a copy gives
// them: a line break (a block break or a line separator) is "\n", a soft break
// nothing, a control's symbol the control, every other character (and the text's
// own) itself. Two ranges that meet add up to the range they make.
void AppendCopiedText(QString& text, const QTextDocument& document, int start, int end);

}  // namespace flg2scn
