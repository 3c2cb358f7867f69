#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/control_symbols.h"

namespace flg2scn {

// The text area's text as the widget's document holds it. A CR LF is a block
// break (U+2029); a lone CR or LF, which a document cannot hold, is its control
// symbol, and so is every other control character but a tab (ShownAsSymbol),
// which it would lay out with no width (pasted text too). Two more kinds
// of break keep the document quick to lay out, which takes time in the length of a block and in the
// number of blocks:
// - a line longer than kPieceLength is split into pieces of that length, counted
//   from the line's start, by soft breaks: block breaks that stand for nothing in
//   the text;
// - a text of more than kGroupedAbove lines holds several lines in a block,
//   joined by line separators (U+2028), which read as CR LF; a block ends at the
//   first line break after it holds kLinesPerBlock lines or kPieceLength
//   characters.
struct WidgetText {
    static constexpr std::size_t kPieceLength = 1024;
    static constexpr std::size_t kGroupedAbove = 65'536;
    static constexpr std::size_t kLinesPerBlock = 256;

    // The characters that the document uses for itself.
    static constexpr char16_t kBlockBreak = u'\u2029';
    static constexpr char16_t kLineSeparator = u'\u2028';

    // The document's characters, with U+2029 between blocks.
    std::u16string chars;
    // The places in `chars` of the block breaks that are soft, in order.
    std::vector<std::size_t> soft_breaks;
    // The places in `chars` of the characters that the text itself holds and that
    // the document would read otherwise: a symbol (not a control) and a line
    // separator (not a line break), in order. The document marks them.
    std::vector<std::size_t> own_chars;
};

// Whether the document reads `c` as something else unless it is marked as the
// text's own: a control's symbol or a line separator.
constexpr bool StandsForOther(char16_t c) {
    return c == WidgetText::kLineSeparator || ControlOf(c).has_value();
}

// What breaks a line: in the text area's own text only a CR LF; in pasted or
// dropped text also a lone CR or LF and U+2029, as the widget itself takes them.
enum class LineBreaks { kCrLf, kPasted };

WidgetText ToWidgetText(std::u16string_view text, LineBreaks breaks = LineBreaks::kCrLf);
// The same, grouped or not whatever the number of lines.
WidgetText ToWidgetText(std::u16string_view text, LineBreaks breaks, bool grouped);

// Adds the text of a block's characters to `text`; a line separator (also what
// Shift+Enter types) reads as CR LF, and a symbol as its control, unless the
// characters are the text's `own`.
void AppendFromWidgetText(std::u16string& text, std::u16string_view block, bool own = false);

}  // namespace flg2scn
