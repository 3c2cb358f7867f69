// The text area's layout of a text into blocks: a text reads back exactly from its
// blocks and soft breaks, and a line is cut into pieces only where it is longer
// than a piece (one more for a surrogate pair), counted from the line's start,
// in a text of few lines and of many (grouped) alike, pasted text included. The
// symbols and line separators that the text holds read back as themselves. The
// text is one without a paragraph separator, the document's block break, as
// every text of the code page is.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "qt/text_area/widget_text.h"

using flg2scn::WidgetText;
using flg2scn::fuzz::Require;

namespace {

// The text that the blocks hold, read as the text area reads its document.
std::u16string ReadBack(const WidgetText& widget) {
    std::u16string text;
    std::size_t soft = 0;
    std::size_t start = 0;
    std::size_t piece = 0;  // characters since the last break of any kind
    std::size_t own = 0;
    const std::u16string_view chars = widget.chars;
    // A separator of the text's own is a character of its line, not a break.
    std::vector<bool> is_own(chars.size());
    for (const std::size_t at : widget.own_chars) {
        Require(at < chars.size());
        is_own[at] = true;
    }
    for (std::size_t end = 0; end <= widget.chars.size(); ++end) {
        if (end < widget.chars.size() && widget.chars[end] != WidgetText::kBlockBreak) {
            const bool line_break = widget.chars[end] == WidgetText::kLineSeparator && !is_own[end];
            piece = line_break ? 0 : piece + 1;
            Require(piece <= WidgetText::kPieceLength + 1);
            continue;
        }
        // The text's own characters one by one, the rest as runs between them.
        for (; own < widget.own_chars.size() && widget.own_chars[own] < end; ++own) {
            const std::size_t at = widget.own_chars[own];
            Require(at >= start && flg2scn::StandsForOther(widget.chars[at]));
            flg2scn::AppendFromWidgetText(text, chars.substr(start, at - start));
            flg2scn::AppendFromWidgetText(text, chars.substr(at, 1), true);
            start = at + 1;
        }
        flg2scn::AppendFromWidgetText(text, chars.substr(start, end - start));
        if (end < widget.chars.size()) {
            const bool is_soft =
                soft < widget.soft_breaks.size() && widget.soft_breaks[soft] == end;
            Require(!is_soft || piece >= WidgetText::kPieceLength);
            soft += is_soft ? 1 : 0;
            piece = 0;
            text += is_soft ? u"" : u"\r\n";
        }
        start = end + 1;
    }
    Require(soft == widget.soft_breaks.size() && own == widget.own_chars.size());
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = flg2scn::fuzz::TextFromBytes(data, size);
    if (text.find(u'\u2029') != std::u16string::npos) {
        return 0;
    }
    using flg2scn::LineBreaks;
    Require(ReadBack(flg2scn::ToWidgetText(text)) == text);
    ReadBack(flg2scn::ToWidgetText(text, LineBreaks::kPasted));
    Require(ReadBack(flg2scn::ToWidgetText(text, LineBreaks::kCrLf, true)) == text);
    return 0;
}
