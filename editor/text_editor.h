#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/text_lines.h"

namespace flg2scn {

// The page's text area as it edits its text: the text as it is (CR LF between
// lines, any other character as itself, a control too), the caret and the other
// end of the selection, and the edits that undo takes back. The page draws it by
// rows (TextLines) and hands it the user's keys. The caret never stands inside a
// CR LF or between the two halves of a surrogate pair.
class TextEditor {
  public:
    using Place = TextLines::Place;

    enum class Move {
        kLeft,
        kRight,
        kWordLeft,
        kWordRight,
        kUp,
        kDown,
        kPageUp,
        kPageDown,
        kLineStart,
        kLineEnd,
        kTextStart,
        kTextEnd,
    };

    // The units that undo keeps at most; the last edit is kept whatever its size.
    static constexpr std::size_t kUndoUnits = std::size_t{32} << 20;
    // The units that can be typed into a text that a command set without moving it.
    static constexpr std::size_t kTypingRoom = std::size_t{64} << 10;

    const std::u16string& text() const { return text_; }
    const TextLines& lines() const { return lines_; }
    std::size_t caret() const { return caret_; }
    std::size_t anchor() const { return anchor_; }
    std::size_t selection_start() const { return std::min(caret_, anchor_); }
    std::size_t selection_end() const { return std::max(caret_, anchor_); }
    std::u16string_view Selected() const;
    // Whether any edit, undo and redo too, changed the text since set_changed(false).
    bool changed() const { return changed_; }
    void set_changed(bool changed) { changed_ = changed; }
    // How many edits, undo and redo too, the text has had: a view whose drawing
    // is of the same count shows the text as it is.
    std::size_t edits() const { return edits_; }

    // Replaces the whole text (a Load, a Convert), with the caret at its start.
    void SetText(std::u16string_view text);
    // Adds to the end of the text; the caret stays.
    void Append(std::u16string_view text);
    // Puts `typed` in the place of the selection. Characters typed one after
    // another are taken back together.
    void Type(std::u16string_view typed);
    // The same for a paste or a drop, taken back on its own.
    void Paste(std::u16string_view pasted);
    // Backspace (backward) or Delete: the selection, else the character (a CR LF
    // counts as one) or, with `word`, the word next to the caret.
    void Erase(bool forward, bool word);

    // Moves the caret; `extend` keeps the selection's other end. A page is
    // `page_rows` rows.
    void MoveCaret(Move move, bool extend, std::size_t page_rows = 1);
    // Puts the caret where the user clicked.
    void PlaceCaret(Place place, bool extend);
    // Selects the word at `place`, or the character there if it is no word's.
    void SelectWord(Place place);
    void SelectAll();

    // Each returns whether there was an edit to take back or do again.
    bool Undo();
    bool Redo();

  private:
    struct Edit {
        std::size_t start;
        std::u16string removed;
        std::u16string inserted;
        std::size_t caret_before;
        std::size_t anchor_before;
        bool typed;
    };

    void Replace(std::size_t start, std::size_t end, std::u16string_view text, bool typed);
    void Apply(std::size_t start, std::size_t length, std::u16string_view text);
    void Remember(Edit edit);
    std::size_t Before(std::size_t position) const;
    std::size_t After(std::size_t position) const;
    std::size_t WordBefore(std::size_t position) const;
    std::size_t WordAfter(std::size_t position) const;
    std::size_t Moved(Move move, std::size_t page_rows);
    std::size_t Settled(std::size_t position) const;
    std::size_t OffPair(std::size_t position) const;
    bool IsWordAt(std::size_t position) const;

    std::u16string text_;
    TextLines lines_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    std::optional<std::size_t> goal_column_;  // the column that Up and Down keep to
    std::deque<Edit> undo_;
    std::vector<Edit> redo_;
    std::size_t undo_units_ = 0;
    bool changed_ = false;
    std::size_t edits_ = 0;
};

}  // namespace flg2scn
