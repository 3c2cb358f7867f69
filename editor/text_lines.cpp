#include "editor/text_lines.h"

#include <algorithm>

namespace flg2scn {

namespace {

// Whether a line break (CR LF) starts at `p`.
bool BreakAt(std::u16string_view text, std::size_t p) {
    return p + 1 < text.size() && text[p] == u'\r' && text[p + 1] == u'\n';
}

}  // namespace

void TextLines::Reset(std::u16string_view text) {
    size_ = text.size();
    starts_.assign(1, 0);
    for (std::size_t p = 0; p + 1 < text.size(); ++p) {
        if (BreakAt(text, p)) {
            starts_.push_back(p + 2);
            ++p;
        }
    }
    CountRows();
}

// A CR LF is two characters that belong to no other, so the breaks that start
// two or more characters before the edit, or at its end or later, stay as they were;
// only those from the character before the edit to its last are looked for again.
void TextLines::Edited(std::u16string_view text, std::size_t start, std::size_t end,
                       std::size_t inserted) {
    std::vector<std::size_t> found;
    for (std::size_t p = start > 0 ? start - 1 : 0; p < start + inserted; ++p) {
        if (BreakAt(text, p)) {
            found.push_back(p + 2);
            ++p;
        }
    }
    const auto kept_before = std::upper_bound(starts_.begin(), starts_.end(), start);
    const auto kept_after = std::lower_bound(kept_before, starts_.end(), end + 2);
    const std::ptrdiff_t first_new = kept_before - starts_.begin();
    starts_.erase(kept_before, kept_after);
    starts_.insert(starts_.begin() + first_new, found.begin(), found.end());
    for (auto s = starts_.begin() + first_new + std::ssize(found); s != starts_.end(); ++s) {
        *s = *s + inserted - (end - start);
    }
    size_ = text.size();
    CountRows();
}

void TextLines::CountRows() {
    first_rows_.resize(starts_.size() + 1);
    std::size_t row = 0;
    widest_row_ = 0;
    for (std::size_t line = 0; line < starts_.size(); ++line) {
        first_rows_[line] = row;
        const std::size_t length = LineEnd(line) - starts_[line];
        row += length == 0 ? 1 : (length + kPieceLength - 1) / kPieceLength;
        widest_row_ = std::max(widest_row_, std::min(length, kPieceLength));
    }
    first_rows_.back() = row;
}

std::size_t TextLines::LineOf(std::size_t position) const {
    return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), position) -
                                    starts_.begin()) -
           1;
}

std::size_t TextLines::LineEnd(std::size_t line) const {
    return line + 1 < starts_.size() ? starts_[line + 1] - 2 : size_;
}

std::size_t TextLines::LineOfRow(std::size_t row) const {
    return static_cast<std::size_t>(
               std::upper_bound(first_rows_.begin(), first_rows_.end() - 1, row) -
               first_rows_.begin()) -
           1;
}

std::size_t TextLines::RowStart(std::size_t row) const {
    const std::size_t line = LineOfRow(row);
    return starts_[line] + (row - first_rows_[line]) * kPieceLength;
}

std::size_t TextLines::RowEnd(std::size_t row) const {
    return std::min(RowStart(row) + kPieceLength, LineEnd(LineOfRow(row)));
}

TextLines::Place TextLines::PlaceOf(std::size_t position) const {
    const std::size_t line = LineOf(position);
    const std::size_t offset = position - starts_[line];
    std::size_t piece = offset / kPieceLength;
    if (piece > 0 && offset == LineEnd(line) - starts_[line] && offset % kPieceLength == 0) {
        --piece;
    }
    return {first_rows_[line] + piece, offset - piece * kPieceLength};
}

std::size_t TextLines::PositionOf(Place place) const {
    const std::size_t row = std::min(place.row, rows() - 1);
    return std::min(RowStart(row) + place.column, RowEnd(row));
}

}  // namespace flg2scn
