#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "editor/text_editor.h"
#include "editor/text_lines.h"

namespace flg2scn {
namespace {

using namespace std::string_literals;
using Move = TextEditor::Move;
using Place = TextLines::Place;
constexpr std::size_t kPiece = TextLines::kPieceLength;

void ExpectSameLines(const TextLines& lines, std::u16string_view text) {
    const TextLines found(text);
    ASSERT_EQ(lines.lines(), found.lines());
    for (std::size_t line = 0; line < found.lines(); ++line) {
        EXPECT_EQ(lines.LineStart(line), found.LineStart(line)) << line;
    }
    EXPECT_EQ(lines.rows(), found.rows());
    EXPECT_EQ(lines.widest_row(), found.widest_row());
}

// Every edit of every short text of 'a', CR and LF, followed by the lines' index,
// gives the lines found in the edited text anew; and so do edits of long lines.
TEST(TextLines, FollowEditsAsIfFoundAnew) {
    std::vector<std::u16string> texts{u""};
    for (std::size_t at = 0; at < texts.size() && texts[at].size() < 4; ++at) {
        for (const char16_t c : u"a\r\n"s) {
            texts.push_back(texts[at] + c);
        }
    }
    texts.push_back(std::u16string(1500, u'a') + u"\r\n" + std::u16string(kPiece, u'b'));
    const std::u16string inserts[] = {u"", u"\r", u"\n", u"\r\n", u"x\r", u"\nx\r\n\r"};
    for (const std::u16string& text : texts) {
        const std::size_t step = text.size() > 8 ? 500 : 1;
        for (std::size_t start = 0; start <= text.size(); start += step) {
            for (std::size_t end = start; end <= text.size(); end += step) {
                for (const std::u16string& inserted : inserts) {
                    TextLines lines(text);
                    std::u16string edited = text;
                    edited.replace(start, end - start, inserted);
                    lines.Edited(edited, start, end, inserted.size());
                    SCOPED_TRACE(::testing::Message() << text.size() << " " << start << " " << end
                                                      << " " << inserted.size());
                    ExpectSameLines(lines, edited);
                }
            }
        }
    }
}

// Where positions are drawn, and back, across the pieces of a long line.
TEST(TextLines, PlacesInRowsAndPieces) {
    const std::u16string text = std::u16string(2 * kPiece, u'a') + u"\r\n" + u"b\rc\nd";
    const TextLines lines(text);
    EXPECT_EQ(lines.lines(), 2u);
    EXPECT_EQ(lines.rows(), 3u);
    EXPECT_EQ(lines.widest_row(), kPiece);
    EXPECT_EQ(lines.RowStart(1), kPiece);
    EXPECT_EQ(lines.RowEnd(1), 2 * kPiece);
    EXPECT_EQ(lines.RowStart(2), 2 * kPiece + 2);
    EXPECT_EQ(lines.RowEnd(2), text.size());
    const std::tuple<std::size_t, Place> rows[] = {{0, {0, 0}},
                                                   {kPiece - 1, {0, kPiece - 1}},
                                                   {kPiece, {1, 0}},
                                                   {2 * kPiece, {1, kPiece}},
                                                   {2 * kPiece + 2, {2, 0}},
                                                   {text.size(), {2, 5}}};
    for (const auto& [position, place] : rows) {
        EXPECT_EQ(lines.PlaceOf(position), place) << position;
        EXPECT_EQ(lines.PositionOf(place), position) << position;
    }
    EXPECT_EQ(lines.PositionOf({0, kPiece}), kPiece);
    EXPECT_EQ(lines.PositionOf({2, 99}), text.size());
    EXPECT_EQ(lines.PositionOf({7, 1}), 2 * kPiece + 3);
    EXPECT_EQ(TextLines(u"").rows(), 1u);
    EXPECT_EQ(TextLines(u"\r\n").PlaceOf(2), (Place{1, 0}));
}

TextEditor EditorAt(const std::u16string& text, std::size_t anchor, std::size_t caret) {
    TextEditor editor;
    editor.SetText(text);
    editor.PlaceCaret(editor.lines().PlaceOf(anchor), false);
    editor.PlaceCaret(editor.lines().PlaceOf(caret), true);
    return editor;
}

// Each row: the text, the selection (anchor, caret), the moves (with Shift or
// not), and where the selection ends up.
TEST(TextEditor, MovesTheCaret) {
    const std::u16string face = u"a\U0001F600b";
    const std::u16string long_line(1500, u'a');
    const std::u16string three = u"abcdef\r\nx\r\nabcdef";
    struct Row {
        std::u16string text;
        std::size_t anchor, caret;
        std::vector<Move> moves;
        bool extend;
        std::size_t anchor_after, caret_after;
    };
    const Row rows[] = {
        {u"ab\r\ncd", 4, 4, {Move::kLeft}, false, 2, 2},
        {u"ab\r\ncd", 2, 2, {Move::kRight}, false, 4, 4},
        {u"ab\r\ncd", 0, 0, {Move::kLeft}, false, 0, 0},
        {u"ab\r\ncd", 6, 6, {Move::kRight}, false, 6, 6},
        {face, 1, 1, {Move::kRight}, false, 3, 3},
        {face, 3, 3, {Move::kLeft}, false, 1, 1},
        {u"abcd", 1, 3, {Move::kLeft}, false, 1, 1},
        {u"abcd", 3, 1, {Move::kRight}, false, 3, 3},
        {u"abcd", 1, 3, {Move::kLeft}, true, 1, 2},
        {u"one, two", 8, 8, {Move::kWordLeft}, false, 5, 5},
        {u"one, two", 5, 5, {Move::kWordLeft}, false, 0, 0},
        {u"one, two", 0, 0, {Move::kWordRight}, false, 5, 5},
        {u"one, two", 5, 5, {Move::kWordRight}, false, 8, 8},
        {three, 5, 5, {Move::kDown}, false, 9, 9},
        {three, 5, 5, {Move::kDown, Move::kDown}, false, 16, 16},
        {three, 16, 16, {Move::kUp, Move::kUp}, true, 16, 5},
        {three, 3, 3, {Move::kUp}, false, 0, 0},
        {three, 13, 13, {Move::kDown}, false, 17, 17},
        {three, 1, 1, {Move::kPageDown}, false, 12, 12},
        {three, 16, 16, {Move::kPageUp}, false, 5, 5},
        {face, 0, 0, {Move::kTextEnd, Move::kUp}, false, 0, 0},
        {u"\U0001F600\r\nabc", 7, 7, {Move::kUp}, false, 2, 2},
        {u"\U0001F600\r\nabc", 5, 5, {Move::kUp}, false, 0, 0},
        {three + u"\r\nabcdef", 5, 5, {Move::kDown, Move::kRight, Move::kDown}, false, 19, 19},
        {long_line, 1400, 1400, {Move::kUp}, false, 376, 376},
        {long_line, 1400, 1400, {Move::kLineStart}, true, 1400, 0},
        {long_line + u"\r\nb", 5, 5, {Move::kLineEnd}, false, 1500, 1500},
        {three, 9, 9, {Move::kTextStart}, false, 0, 0},
        {three, 9, 9, {Move::kTextEnd}, true, 9, 17},
    };
    for (const Row& row : rows) {
        TextEditor editor = EditorAt(row.text, row.anchor, row.caret);
        for (const Move move : row.moves) {
            editor.MoveCaret(move, row.extend, 2);
        }
        EXPECT_EQ(editor.anchor(), row.anchor_after) << row.anchor << " " << row.caret;
        EXPECT_EQ(editor.caret(), row.caret_after) << row.anchor << " " << row.caret;
    }
    // Select All and an edit forget the column that Up and Down kept to.
    TextEditor editor = EditorAt(u"abcdef\r\nab", 1, 1);
    editor.MoveCaret(Move::kDown, false);
    editor.SelectAll();
    editor.MoveCaret(Move::kUp, false);
    EXPECT_EQ(editor.caret(), 2u);
    editor = EditorAt(three + u"\r\nabcdef", 5, 5);
    editor.MoveCaret(Move::kDown, false);
    editor.Type(u"y");
    editor.MoveCaret(Move::kDown, false);
    EXPECT_EQ(editor.caret(), 14u);
}

// Right steps over a surrogate pair whole, and over each unit of anything else.
TEST(TextEditor, StepsOverSurrogatePairs) {
    const std::tuple<std::u16string, std::size_t> rows[] = {
        {u"\xD800\xDC00", 2}, {u"\xDBFF\xDFFF", 2}, {u"\xD7FF\xDC00", 1},
        {u"\xDC00\xDC00", 1}, {u"\xD800\xDBFF", 1}, {u"\xD800\xE000", 1}};
    for (const auto& [text, after] : rows) {
        TextEditor editor = EditorAt(text, 0, 0);
        editor.MoveCaret(Move::kRight, false);
        EXPECT_EQ(editor.caret(), after) << int{text[0]} << " " << int{text[1]};
    }
}

// Backspace and Delete, of a character, a word or the selection.
TEST(TextEditor, ErasesWhatBackspaceAndDeleteTake) {
    const std::tuple<std::u16string, std::size_t, std::size_t, bool, bool, std::u16string,
                     std::size_t>
        rows[] = {
            {u"ab\r\ncd", 4, 4, false, false, u"abcd", 2},
            {u"ab\r\ncd", 2, 2, true, false, u"abcd", 2},
            {u"a\r\r\nb", 2, 2, false, false, u"a\r\nb", 1},
            {u"a\U0001F600", 3, 3, false, false, u"a", 1},
            {u"\U0001F600b", 0, 0, true, false, u"b", 0},
            {u"abcd", 1, 3, false, false, u"ad", 1},
            {u"abcd", 3, 1, true, true, u"ad", 1},
            {u"one two", 7, 7, false, true, u"one ", 4},
            {u"one two", 0, 0, true, true, u"two", 0},
            {u"\rx\n", 2, 2, false, false, u"\r\n", 2},
            {u"\xD83Dx\xDE00", 2, 2, false, false, u"\xD83D\xDE00", 2},
            {u"ab", 0, 0, false, false, u"ab", 0},
            {u"ab", 2, 2, true, false, u"ab", 2},
        };
    for (const auto& [text, anchor, caret, forward, word, after, caret_after] : rows) {
        TextEditor editor = EditorAt(text, anchor, caret);
        editor.Erase(forward, word);
        EXPECT_EQ(editor.text(), after) << anchor << " " << caret << " " << forward;
        EXPECT_EQ(editor.caret(), caret_after) << anchor << " " << caret << " " << forward;
        EXPECT_EQ(editor.anchor(), caret_after);
    }
}

// Typing is taken back as one edit until the caret leaves its end; a Load (the
// whole text replaced) is taken back as one, with the caret where it was. Every
// edit that changes the text, an undo too, marks it changed; moves do not.
TEST(TextEditor, UndoesAndRedoesEdits) {
    TextEditor editor;
    EXPECT_FALSE(editor.Undo());
    editor.SetText(u"abc");
    EXPECT_TRUE(editor.changed());
    editor.set_changed(false);
    editor.Erase(false, false);
    editor.Type(u"");
    editor.MoveCaret(Move::kTextEnd, true);
    EXPECT_FALSE(editor.changed());
    EXPECT_EQ(editor.edits(), 1u);
    editor.MoveCaret(Move::kTextEnd, false);
    editor.Type(u"x");
    editor.Type(u"y");
    editor.MoveCaret(Move::kTextStart, false);
    editor.Type(u"z");
    editor.Paste(u"\r\n");
    EXPECT_EQ(editor.text(), u"z\r\nabcxy");
    const std::tuple<bool, std::u16string, std::size_t> steps[] = {
        {true, u"zabcxy", 1}, {true, u"abcxy", 0}, {true, u"abc", 3},
        {true, u"", 0},       {false, u"abc", 3},  {false, u"abcxy", 5}};
    for (const auto& [undo, text, caret] : steps) {
        EXPECT_TRUE(undo ? editor.Undo() : editor.Redo()) << undo;
        EXPECT_EQ(editor.text(), text);
        EXPECT_EQ(editor.caret(), caret) << undo;
        EXPECT_EQ(editor.lines().lines(), text.find(u'\n') == std::u16string::npos ? 1u : 2u);
        EXPECT_TRUE(editor.changed());
        editor.set_changed(false);
        const std::size_t edits = editor.edits();
        if (text.empty()) {
            EXPECT_FALSE(editor.Undo());
        }
        EXPECT_EQ(editor.edits(), edits);
    }
    EXPECT_EQ(editor.edits(), 11u);
    // Typing after a redone edit is an edit of its own.
    editor.Type(u"!");
    EXPECT_FALSE(editor.Redo());
    EXPECT_TRUE(editor.Undo());
    EXPECT_EQ(editor.text(), u"abcxy");
    EXPECT_TRUE(editor.Redo());
    editor.Append(u"\r");
    editor.Append(u"\n");
    EXPECT_EQ(editor.text(), u"abcxy!\r\n");
    EXPECT_EQ(editor.caret(), 6u);
    editor.Append(u"\r");
    editor.MoveCaret(Move::kTextEnd, false);
    editor.Append(u"\n");
    EXPECT_EQ(editor.caret(), 10u);
    editor.SelectAll();
    EXPECT_EQ(editor.Selected(), editor.text());
}

// Undo keeps the newest edits within kUndoUnits; older ones are forgotten.
TEST(TextEditor, UndoForgetsTheOldestEditsPastItsLimit) {
    TextEditor editor;
    const std::u16string big(TextEditor::kUndoUnits / 2 + 1, u'a');
    editor.SetText(big);
    editor.SetText(u"b");
    EXPECT_TRUE(editor.Undo());
    EXPECT_EQ(editor.text(), big);
    EXPECT_FALSE(editor.Undo());
}

// A word is letters, digits and '_': Latin-1's letters and others up to U+1FFF
// and from U+3000 too, not the signs between.
TEST(TextEditor, SelectsAWordOrACharacter) {
    const std::u16string word = u"09AZaz_\u00C0\u00FF\u1FFF\u3000";
    const std::u16string other = u"/:@[`{\u00BF\u00D7\u00F7\u2000\u2FFF";
    for (const bool is_word : {true, false}) {
        for (const char16_t c : is_word ? word : other) {
            TextEditor editor = EditorAt(u"a" + std::u16string(1, c) + u"b", 0, 0);
            editor.SelectWord({0, 0});
            EXPECT_EQ(editor.selection_end(), is_word ? 3u : 1u) << int{c};
        }
    }
    const std::tuple<Place, std::size_t, std::size_t> rows[] = {
        {{0, 5}, 4, 7}, {{0, 4}, 4, 7}, {{0, 3}, 3, 4}, {{0, 9}, 7, 7}, {{1, 0}, 9, 10}};
    for (const auto& [place, start, end] : rows) {
        TextEditor editor = EditorAt(u"one two\r\n\x01", 0, 0);
        editor.SelectWord(place);
        EXPECT_EQ(editor.selection_start(), start) << place.row << " " << place.column;
        EXPECT_EQ(editor.selection_end(), end) << place.row << " " << place.column;
    }
}

}  // namespace
}  // namespace flg2scn
