#include "editor/text_editor.h"

#include <algorithm>
#include <utility>

namespace flg2scn {

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

}  // namespace

std::u16string_view TextEditor::Selected() const {
    return std::u16string_view(text_).substr(selection_start(),
                                             selection_end() - selection_start());
}

// Room to type in: the first key after a Load would otherwise copy the whole text.
void TextEditor::SetText(std::u16string_view text) {
    Replace(0, text_.size(), text, false);
    text_.reserve(text_.size() + kTypingRoom);
    caret_ = anchor_ = 0;
}

void TextEditor::Append(std::u16string_view text) {
    const std::size_t caret = caret_;
    const std::size_t anchor = anchor_;
    Replace(text_.size(), text_.size(), text, false);
    caret_ = Settled(caret);
    anchor_ = Settled(anchor);
}

void TextEditor::Type(std::u16string_view typed) {
    Replace(selection_start(), selection_end(), typed, true);
}

void TextEditor::Paste(std::u16string_view pasted) {
    Replace(selection_start(), selection_end(), pasted, false);
}

void TextEditor::Erase(bool forward, bool word) {
    if (caret_ != anchor_) {
        Replace(selection_start(), selection_end(), {}, false);
        return;
    }
    const std::size_t other = forward ? (word ? WordAfter(caret_) : After(caret_))
                                      : (word ? WordBefore(caret_) : Before(caret_));
    Replace(std::min(caret_, other), std::max(caret_, other), {}, false);
}

// Every edit: the text, its lines and the caret after it, and what undo needs.
void TextEditor::Replace(std::size_t start, std::size_t end, std::u16string_view text, bool typed) {
    if (start == end && text.empty()) {
        return;  // no edit: nothing for undo to take back
    }
    Edit edit{start, text_.substr(start, end - start), std::u16string(text), caret_, anchor_,
              typed};
    Apply(start, end - start, text);
    caret_ = anchor_ = Settled(start + text.size());
    redo_.clear();
    Remember(std::move(edit));
}

void TextEditor::Apply(std::size_t start, std::size_t length, std::u16string_view text) {
    text_.replace(start, length, text);
    lines_.Edited(text_, start, start + length, text.size());
    goal_column_.reset();
    changed_ = true;
    ++edits_;
}

// Typing at the end of what was typed before adds to that edit.
void TextEditor::Remember(Edit edit) {
    if (edit.typed && edit.removed.empty() && !undo_.empty() && undo_.back().typed &&
        undo_.back().start + undo_.back().inserted.size() == edit.start) {
        undo_.back().inserted += edit.inserted;
        undo_units_ += edit.inserted.size();
    } else {
        undo_units_ += edit.removed.size() + edit.inserted.size();
        undo_.push_back(std::move(edit));
    }
    while (undo_units_ > kUndoUnits && undo_.size() > 1) {
        undo_units_ -= undo_.front().removed.size() + undo_.front().inserted.size();
        undo_.pop_front();
    }
}

bool TextEditor::Undo() {
    if (undo_.empty()) {
        return false;
    }
    Edit edit = std::move(undo_.back());
    undo_.pop_back();
    undo_units_ -= edit.removed.size() + edit.inserted.size();
    Apply(edit.start, edit.inserted.size(), edit.removed);
    caret_ = edit.caret_before;
    anchor_ = edit.anchor_before;
    redo_.push_back(std::move(edit));
    return true;
}

bool TextEditor::Redo() {
    if (redo_.empty()) {
        return false;
    }
    Edit edit = std::move(redo_.back());
    redo_.pop_back();
    Apply(edit.start, edit.removed.size(), edit.inserted);
    caret_ = anchor_ = Settled(edit.start + edit.inserted.size());
    edit.typed = false;
    undo_units_ += edit.removed.size() + edit.inserted.size();
    undo_.push_back(std::move(edit));
    return true;
}

std::size_t TextEditor::Before(std::size_t position) const {
    if (position == 0) {
        return 0;
    }
    const std::size_t line = lines_.LineOf(position);
    if (line > 0 && lines_.LineStart(line) == position) {
        return position - 2;
    }
    const bool pair = position >= 2 && IsLowSurrogate(text_[position - 1]) &&
                      IsHighSurrogate(text_[position - 2]);
    return position - (pair ? 2 : 1);
}

std::size_t TextEditor::After(std::size_t position) const {
    if (position == text_.size()) {
        return position;
    }
    const std::size_t line = lines_.LineOf(position);
    if (line + 1 < lines_.lines() && lines_.LineEnd(line) == position) {
        return position + 2;
    }
    const bool pair = position + 1 < text_.size() && IsHighSurrogate(text_[position]) &&
                      IsLowSurrogate(text_[position + 1]);
    return position + (pair ? 2 : 1);
}

// The caret after an edit, which may have joined a CR and an LF, or the halves of
// a surrogate pair, around it: after them.
std::size_t TextEditor::Settled(std::size_t position) const {
    const bool inside = position > 0 && position < text_.size() &&
                        ((text_[position - 1] == u'\r' && text_[position] == u'\n') ||
                         (IsHighSurrogate(text_[position - 1]) && IsLowSurrogate(text_[position])));
    return inside ? position + 1 : position;
}

// A place between the halves of a surrogate pair moves to the pair's start.
std::size_t TextEditor::OffPair(std::size_t position) const {
    const bool inside = position > 0 && position < text_.size() &&
                        IsLowSurrogate(text_[position]) && IsHighSurrogate(text_[position - 1]);
    return inside ? position - 1 : position;
}

bool TextEditor::IsWordAt(std::size_t position) const {
    if (position >= text_.size()) {
        return false;
    }
    const char16_t c = text_[position];
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'_' || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && (c < 0x2000 || c >= 0x3000));
}

// Ctrl+Left: to the start of the word before; Ctrl+Right: to the start of the next.
std::size_t TextEditor::WordBefore(std::size_t position) const {
    while (position > 0 && !IsWordAt(Before(position))) {
        position = Before(position);
    }
    while (position > 0 && IsWordAt(Before(position))) {
        position = Before(position);
    }
    return position;
}

std::size_t TextEditor::WordAfter(std::size_t position) const {
    while (position < text_.size() && IsWordAt(position)) {
        position = After(position);
    }
    while (position < text_.size() && !IsWordAt(position)) {
        position = After(position);
    }
    return position;
}

std::size_t TextEditor::Moved(Move move, std::size_t page_rows) {
    const Place place = lines_.PlaceOf(caret_);
    const std::size_t line = lines_.LineOf(caret_);
    std::size_t rows = 1;
    switch (move) {
        case Move::kLeft:
            return Before(caret_);
        case Move::kRight:
            return After(caret_);
        case Move::kWordLeft:
            return WordBefore(caret_);
        case Move::kWordRight:
            return WordAfter(caret_);
        case Move::kLineStart:
            return lines_.LineStart(line);
        case Move::kLineEnd:
            return lines_.LineEnd(line);
        case Move::kTextStart:
            return 0;
        case Move::kTextEnd:
            return text_.size();
        case Move::kPageUp:
        case Move::kPageDown:
            rows = std::max<std::size_t>(page_rows, 1);
            break;
        case Move::kUp:
        case Move::kDown:
            break;
    }
    const bool up = move == Move::kUp || move == Move::kPageUp;
    const std::size_t goal = goal_column_.value_or(place.column);
    if (up ? place.row == 0 : place.row + 1 >= lines_.rows()) {
        return up ? 0 : text_.size();
    }
    const std::size_t row = up ? place.row - std::min(rows, place.row) : place.row + rows;
    goal_column_ = goal;
    return OffPair(lines_.PositionOf({row, goal}));
}

void TextEditor::MoveCaret(Move move, bool extend, std::size_t page_rows) {
    const bool vertical = move == Move::kUp || move == Move::kDown || move == Move::kPageUp ||
                          move == Move::kPageDown;
    if (!vertical) {
        goal_column_.reset();
    }
    // Left and Right without Shift end a selection at its own end.
    if ((move == Move::kLeft || move == Move::kRight) && caret_ != anchor_ && !extend) {
        caret_ = anchor_ = move == Move::kLeft ? selection_start() : selection_end();
        return;
    }
    caret_ = Moved(move, page_rows);
    if (!extend) {
        anchor_ = caret_;
    }
}

void TextEditor::PlaceCaret(Place place, bool extend) {
    caret_ = OffPair(lines_.PositionOf(place));
    goal_column_.reset();
    if (!extend) {
        anchor_ = caret_;
    }
}

void TextEditor::SelectWord(Place place) {
    PlaceCaret(place, false);
    if (!IsWordAt(caret_)) {
        if (caret_ != lines_.LineEnd(lines_.LineOf(caret_))) {
            caret_ = After(anchor_);
        }
        return;
    }
    while (anchor_ > 0 && IsWordAt(Before(anchor_))) {
        anchor_ = Before(anchor_);
    }
    while (IsWordAt(caret_)) {
        caret_ = After(caret_);
    }
}

void TextEditor::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
    goal_column_.reset();
}

}  // namespace flg2scn
