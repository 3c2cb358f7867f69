#include "qt/text_area/text_blocks.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <string_view>

namespace flg2scn {

namespace {

constexpr int kContinuesLine = QTextFormat::UserProperty;
constexpr int kOwnChar = QTextFormat::UserProperty + 1;

std::u16string_view View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Adds characters as a copy gives them (see AppendCopiedText).
void AppendCopied(QString& text, QStringView part, bool own) {
    if (own) {
        text += part;
        return;
    }
    // One pass: a grouped text has a separator in every line.
    const qsizetype at = text.size();
    text.resize(at + part.size());
    std::transform(part.utf16(), part.utf16() + part.size(),
                   reinterpret_cast<char16_t*>(text.data()) + at, [](char16_t c) {
                       return c == WidgetText::kLineSeparator ? u'\n' : ControlOf(c).value_or(c);
                   });
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
    // Each character in a format of its own, not the one before the cursor.
    const QTextCharFormat plain;
    QTextCharFormat own;
    own.setProperty(kOwnChar, true);
    cursor.removeSelectedText();
    auto next_soft = text.soft_breaks.begin();
    auto next_own = text.own_chars.begin();
    const std::u16string_view chars = text.chars;
    const auto insert = [&](std::size_t from, std::size_t to, const QTextCharFormat& format) {
        if (to > from) {
            cursor.insertText(
                QString::fromRawData(reinterpret_cast<const QChar*>(chars.data() + from),
                                     static_cast<qsizetype>(to - from)),
                format);
        }
    };
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(chars.find(WidgetText::kBlockBreak, start), chars.size());
        for (; next_own != text.own_chars.end() && *next_own < end; ++next_own) {
            insert(start, *next_own, plain);
            insert(*next_own, *next_own + 1, own);
            start = *next_own + 1;
        }
        insert(start, end, plain);
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
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            AppendFromWidgetText(text, View(fragment.text()),
                                 fragment.charFormat().boolProperty(kOwnChar));
        }
    }
    return text;
}

bool IsOwnChar(const QTextBlock& block, int i) {
    const int at = block.position() + i;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (at >= fragment.position() && at < fragment.position() + fragment.length()) {
            return fragment.charFormat().boolProperty(kOwnChar);
        }
    }
    return false;
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
        const int from = std::max(start, position);
        const int to = std::min(end, position + block.length() - 1);
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int first = std::max(from, fragment.position());
            const int last = std::min(to, fragment.position() + fragment.length());
            if (first < last) {
                const QString chars = fragment.text();
                AppendCopied(text,
                             QStringView(chars).mid(first - fragment.position(), last - first),
                             fragment.charFormat().boolProperty(kOwnChar));
            }
        }
    }
}

}  // namespace flg2scn
