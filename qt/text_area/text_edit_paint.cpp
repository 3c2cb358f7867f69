#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "qt/text_area/symbol_names.h"
#include "qt/text_area/text_blocks.h"
#include "qt/text_area/text_edit.h"

namespace flg2scn {

namespace {

// A control picture as the Unicode charts draw it: the letters of its name
// stepping down across the character's cell, the first half above.
void DrawSymbol(QPainter& painter, const QRectF& cell, const QString& name, const QColor& color) {
    const qsizetype upper_length = (name.size() + 1) / 2;
    QFont font = painter.font();
    // Small enough that a row of the name fits the cell's width.
    const qreal size =
        std::min(cell.height() * 0.5, cell.width() * 1.6 / static_cast<qreal>(upper_length));
    font.setPixelSize(std::max(4, static_cast<int>(size)));
    painter.setFont(font);
    painter.setPen(color);
    const QRectF upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
    painter.drawText(upper, Qt::AlignLeft | Qt::AlignVCenter, name.left(upper_length));
    painter.drawText(upper.translated(0, cell.height() / 2), Qt::AlignRight | Qt::AlignVCenter,
                     name.mid(upper_length));
}

}  // namespace

// The widget would draw a character without a glyph as an empty box, or as
// nothing at all; such characters are drawn over with their names.
void TextEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    const QFontMetricsF metrics(font());
    const QRect area = event->rect();
    const QTextCursor cursor = textCursor();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
        if (box.top() > area.bottom()) {
            break;
        }
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        for (int n = 0; n < layout->lineCount(); ++n) {
            const QTextLine line = layout->lineAt(n);
            // Only the characters in sight: a block may be thousands of them wide.
            const int end = line.textStart() + line.textLength();
            const int last = std::min(line.xToCursor(area.right() - box.left()) + 1, end);
            int length = 1;
            for (int i = line.xToCursor(area.left() - box.left()); i < last; i += length) {
                // Only a symbol may be the text's own; looking is slower.
                const bool own = ControlOf(text[i].unicode()) && IsOwnChar(block, i);
                const QString name = SymbolName(metrics, text, i, length, own);
                if (name.isEmpty()) {
                    continue;
                }
                const qreal left = line.cursorToX(i);
                const qreal right = line.cursorToX(i + length);
                const int at = block.position() + i;
                // The text cursor's pixel at the left stays.
                const qreal keep = cursor.position() == at ? 1 : 0;
                const QRectF cell(box.left() + left + keep, box.top() + line.y(),
                                  right - left - keep, line.height());
                const bool selected = at >= cursor.selectionStart() && at < cursor.selectionEnd();
                painter.fillRect(cell,
                                 palette().brush(selected ? QPalette::Highlight : QPalette::Base));
                DrawSymbol(painter, cell, name,
                           palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
            }
        }
    }
}

}  // namespace flg2scn
