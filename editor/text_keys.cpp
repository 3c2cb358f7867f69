#include "editor/text_keys.h"

namespace flg2scn {

namespace {

using Kind = KeyCommand::Kind;
using Move = TextEditor::Move;

KeyCommand MoveTo(Move move, bool extend) {
    return {Kind::kMove, move, extend};
}

KeyCommand EraseOf(bool forward, bool word) {
    return {Kind::kErase, Move::kLeft, false, forward, word};
}

// A letter with Ctrl (or a Mac's Command).
KeyCommand LetterCommand(Key key, bool shift) {
    switch (key) {
        case Key::kA:
            return {Kind::kSelectAll};
        case Key::kC:
            return {Kind::kCopy};
        case Key::kX:
            return {Kind::kCut};
        case Key::kV:
            return {Kind::kPaste};
        case Key::kZ:
            return {shift ? Kind::kRedo : Kind::kUndo};
        case Key::kY:
            return {Kind::kRedo};
        default:
            return {};
    }
}

}  // namespace

KeyCommand CommandOfKey(Key key, HeldKeys held, KeyStyle style) {
    const bool mac = style == KeyStyle::kMac;
    const bool ctrl = held.ctrl || (mac && held.command);
    const bool ends = mac && held.command;
    const bool word = mac ? held.alt : held.ctrl;
    const bool shift = held.shift;
    const bool mac_word_key =
        key == Key::kLeft || key == Key::kRight || key == Key::kBackspace || key == Key::kDelete;
    if (held.alt && !(mac && mac_word_key)) {
        return {};
    }
    switch (key) {
        case Key::kLeft:
            return MoveTo(ends ? Move::kLineStart : word ? Move::kWordLeft : Move::kLeft, shift);
        case Key::kRight:
            return MoveTo(ends ? Move::kLineEnd : word ? Move::kWordRight : Move::kRight, shift);
        case Key::kUp:
            return MoveTo(ends ? Move::kTextStart : Move::kUp, shift);
        case Key::kDown:
            return MoveTo(ends ? Move::kTextEnd : Move::kDown, shift);
        case Key::kPageUp:
            return MoveTo(Move::kPageUp, shift);
        case Key::kPageDown:
            return MoveTo(Move::kPageDown, shift);
        case Key::kHome:
            return MoveTo(ctrl ? Move::kTextStart : Move::kLineStart, shift);
        case Key::kEnd:
            return MoveTo(ctrl ? Move::kTextEnd : Move::kLineEnd, shift);
        case Key::kBackspace:
            return EraseOf(false, word);
        case Key::kDelete:
            return !mac && shift ? KeyCommand{Kind::kCut} : EraseOf(true, word);
        case Key::kInsert:
            if (mac) {
                return {};
            }
            return {ctrl ? Kind::kCopy : shift ? Kind::kPaste : Kind::kNone};
        case Key::kEnter:
            return {ctrl ? Kind::kNone : Kind::kLineBreak};
        default:
            return ctrl ? LetterCommand(key, shift) : KeyCommand{};
    }
}

bool RunKeyCommand(TextEditor& editor, const KeyCommand& command, std::size_t page_rows) {
    switch (command.kind) {
        case Kind::kMove:
            editor.MoveCaret(command.move, command.extend, page_rows);
            return true;
        case Kind::kErase:
            editor.Erase(command.forward, command.word);
            return true;
        case Kind::kLineBreak:
            editor.Type(u"\r\n");
            return true;
        case Kind::kSelectAll:
            editor.SelectAll();
            return true;
        case Kind::kUndo:
            editor.Undo();
            return true;
        case Kind::kRedo:
            editor.Redo();
            return true;
        default:
            return false;
    }
}

}  // namespace flg2scn
