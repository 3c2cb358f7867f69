#include "qt/text_area/widget_text.h"

#include <algorithm>

#include "vb6/line_reading.h"

namespace flg2scn {

namespace {

constexpr char16_t kBlockBreak = WidgetText::kBlockBreak;
constexpr char16_t kLineSeparator = WidgetText::kLineSeparator;

// The halves of a UTF-16 surrogate pair. Either may also stand alone, as any
// code unit can in pasted or typed text.
bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A CR, an LF or a block break in pasted text: each breaks the line.
bool IsPastedBreak(char16_t c) {
    return c == u'\r' || c == u'\n' || c == kBlockBreak;
}

// Lays characters and line breaks out into blocks.
class BlockBuilder {
  public:
    BlockBuilder(std::size_t size, std::size_t lines_per_block)
        : lines_per_block_(lines_per_block) {
        out_.chars.reserve(size);
    }

    void add(char16_t c, bool own = false) {
        // Pieces count from the start of their line, wherever it stands in its
        // block; a surrogate pair stays in one piece, so a piece may end one
        // past its length. A lone low surrogate is a character of its own.
        const bool ends_pair =
            IsLowSurrogate(c) && !out_.chars.empty() && IsHighSurrogate(out_.chars.back());
        if (piece_length_ >= WidgetText::kPieceLength && !ends_pair) {
            out_.soft_breaks.push_back(out_.chars.size());
            out_.chars += kBlockBreak;
            block_length_ = 0;
            block_lines_ = 0;
            piece_length_ = 0;
        }
        if (own) {
            out_.own_chars.push_back(out_.chars.size());
        }
        out_.chars += ShownAsSymbol(c) ? *SymbolOf(c) : c;
        ++block_length_;
        ++piece_length_;
    }

    // A block ends only at a line break, once it holds enough lines or characters.
    void breakLine() {
        piece_length_ = 0;
        if (++block_lines_ < lines_per_block_ && block_length_ < WidgetText::kPieceLength) {
            out_.chars += kLineSeparator;
            ++block_length_;
        } else {
            out_.chars += kBlockBreak;
            block_length_ = 0;
            block_lines_ = 0;
        }
    }

    WidgetText take() { return std::move(out_); }

  private:
    const std::size_t lines_per_block_;
    WidgetText out_;
    std::size_t block_length_ = 0;
    std::size_t block_lines_ = 0;
    std::size_t piece_length_ = 0;
};

std::size_t BreaksIn(std::u16string_view text, LineBreaks breaks) {
    // A CR LF counts twice in pasted text: near enough to tell a text of many lines.
    if (breaks == LineBreaks::kPasted) {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsPastedBreak));
    }
    return CountLineBreaks(text);
}

}  // namespace

WidgetText ToWidgetText(std::u16string_view text, LineBreaks breaks) {
    return ToWidgetText(text, breaks, BreaksIn(text, breaks) > WidgetText::kGroupedAbove);
}

WidgetText ToWidgetText(std::u16string_view text, LineBreaks breaks, bool grouped) {
    const bool pasted = breaks == LineBreaks::kPasted;
    BlockBuilder blocks(text.size(), grouped ? WidgetText::kLinesPerBlock : 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (text.substr(i, 2) == u"\r\n") {
            blocks.breakLine();
            ++i;
        } else if (pasted && IsPastedBreak(c)) {
            blocks.breakLine();
        } else {
            blocks.add(c, StandsForOther(c));
        }
    }
    return blocks.take();
}

void AppendFromWidgetText(std::u16string& text, std::u16string_view block, bool own) {
    if (own) {
        text += block;
        return;
    }
    for (const char16_t c : block) {
        if (c == kLineSeparator) {
            text += u"\r\n";
        } else {
            text += ControlOf(c).value_or(c);
        }
    }
}

}  // namespace flg2scn
