#include "qt/text_area/text_blocks.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

namespace flg2scn {

namespace {

constexpr int kContinuesLine = QTextFormat::UserProperty;

std::u16string_view View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

bool ContinuesLine(const QTextBlock& block) {
    // The first block continues nothing, whatever its format.
    return block.previous().isValid() && block.blockFormat().boolProperty(kContinuesLine);
}

void InsertWidgetText(QTextCursor& cursor, const WidgetText& text) {
    QTextBlockFormat soft;
    soft.setProperty(kContinuesLine, true);
    // A new block would take the format of the block it is split from.
    const QTextBlockFormat hard;
    cursor.removeSelectedText();
    auto next_soft = text.soft_breaks.begin();
    const std::u16string_view chars = text.chars;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(chars.find(WidgetText::kBlockBreak, start), chars.size());
        cursor.insertText(QString::fromRawData(reinterpret_cast<const QChar*>(chars.data() + start),
                                               static_cast<qsizetype>(end - start)));
        if (end == chars.size()) {
            break;
        }
        const bool is_soft = next_soft != text.soft_breaks.end() && *next_soft == end;
        next_soft += is_soft ? 1 : 0;
        cursor.insertBlock(is_soft ? soft : hard);
        start = end + 1;
    }
}

std::u16string DocumentText(const QTextDocument& document) {
    std::u16string text;
    // Read block by block, not as one raw text, so that a large text is not held
    // twice; a line break reads as two characters, so twice the document's size is
    // enough, and a page that is not written to costs no memory.
    text.reserve(2 * static_cast<std::size_t>(document.characterCount()));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin() && !ContinuesLine(block)) {
            text += u"\r\n";
        }
        // A block's text is its raw characters: a no-break space stays one.
        AppendFromWidgetText(text, View(block.text()));
    }
    return text;
}

void ForgetWidestLine(QPlainTextEdit& edit) {
    // Only a change of the viewport's width has the layout start its measure again;
    // a hidden widget gets one when it is shown.
    if (!edit.isVisible()) {
        return;
    }
    QResizeEvent resize(edit.viewport()->size(), QSize());
    QCoreApplication::sendEvent(edit.viewport(), &resize);
}

void AppendCopiedText(QString& text, const QTextDocument& document, int start, int end) {
    for (QTextBlock block = document.findBlock(start); block.isValid(); block = block.next()) {
        // A block's position is looked up in the document's tree: once per block.
        const int position = block.position();
        if (position > end) {
            break;
        }
        if (position > start && !ContinuesLine(block)) {
            text += u'\n';
        }
        const int from = std::max(start - position, 0);
        const int to = std::min(end - position, block.length() - 1);
        const QString chars = block.text();
        const QStringView part = QStringView(chars).mid(from, to - from);
        // One pass that copies and reads separators as line breaks: a grouped
        // text has one in every line.
        const qsizetype at = text.size();
        text.resize(at + part.size());
        std::replace_copy(part.utf16(), part.utf16() + part.size(),
                          reinterpret_cast<char16_t*>(text.data()) + at, WidgetText::kLineSeparator,
                          u'\n');
    }
}

}  // namespace flg2scn
