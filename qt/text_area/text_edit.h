#pragma once

#include <QPlainTextEdit>

namespace flg2scn {

// The text area's widget. Its document may split a long line into pieces (see
// WidgetText); editing keeps to the text's lines: Enter breaks the line, Backspace
// and Delete at the end of a piece take the neighbouring character, Left and Right
// move one character over a piece's end, Home and End go to the line's ends, and
// copy and paste know no pieces. Undo and redo, which may take back a large
// command, show the busy cursor. Copied text is made only when it is pasted, and
// edits keep it as it was copied. The symbols for a lone CR and LF are drawn as
// "CR" and "LF" in small letters, and a character that no font has a glyph for
// as its code in hex (text_edit_paint.cpp). A symbol character that is typed or
// pasted stays that character, drawn by the font, and is no control.
class TextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit TextEdit(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void undoOrRedo(bool undo);
    void cutSelection();

    // Each returns whether it handled the key.
    bool insertTyped(const QString& typed, bool line_break);
    bool breakLine(QKeyEvent* event);
    bool deleteOverPieceEnd(QKeyEvent* event);
    bool moveOverPieceEnd(QKeyEvent* event);
    bool moveToLineEnd(QKeyEvent* event);
};

}  // namespace flg2scn
