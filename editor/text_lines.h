#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace flg2scn {

// Where a text's lines and rows are. A line ends at a CR LF; a lone CR or LF is a
// character of the line. A row is what the page draws on one line of the screen:
// a line of at most kPieceLength characters is one row, a longer one is split into
// pieces of that length, counted from its start, because a browser takes time in
// the length of a line to lay it out. Positions count UTF-16 code units.
class TextLines {
  public:
    static constexpr std::size_t kPieceLength = 1024;

    // A place on the screen: the row, and the column in the row.
    struct Place {
        std::size_t row = 0;
        std::size_t column = 0;
        bool operator==(const Place&) const = default;
    };

    explicit TextLines(std::u16string_view text = {}) { Reset(text); }

    // Finds the lines of `text` anew.
    void Reset(std::u16string_view text);
    // Follows an edit that put `inserted` characters in the place of the
    // characters [start, end); `text` is the text after it. Only the lines near
    // the edit are looked at again.
    void Edited(std::u16string_view text, std::size_t start, std::size_t end, std::size_t inserted);

    std::size_t lines() const { return starts_.size(); }
    std::size_t rows() const { return first_rows_.back(); }
    // The most characters in a row.
    std::size_t widest_row() const { return widest_row_; }

    // The line that holds `position`, and that line's start and end (before its CR LF).
    std::size_t LineOf(std::size_t position) const;
    std::size_t LineStart(std::size_t line) const { return starts_[line]; }
    std::size_t LineEnd(std::size_t line) const;

    // The characters [start, end) of `row`.
    std::size_t RowStart(std::size_t row) const;
    std::size_t RowEnd(std::size_t row) const;

    // Where `position` is drawn: the end of a line that fills its last piece is
    // drawn at that piece's end, any other piece's end at the next piece's start.
    Place PlaceOf(std::size_t position) const;
    // The position drawn at `place`, kept within the text: a column past a row's
    // end is its end, a row past the last is the last.
    std::size_t PositionOf(Place place) const;

  private:
    void CountRows();
    std::size_t LineOfRow(std::size_t row) const;

    std::size_t size_ = 0;
    std::vector<std::size_t> starts_;  // each line's start
    // The first row of each line, and after them the number of rows.
    std::vector<std::size_t> first_rows_;
    std::size_t widest_row_ = 0;
};

}  // namespace flg2scn
