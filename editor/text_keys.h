#pragma once

#include <cstddef>

#include "editor/text_editor.h"

namespace flg2scn {

// The keys that a self-drawn text area acts on, by what they mean; a front end
// names its own keys so.
enum class Key {
    kLeft,
    kRight,
    kUp,
    kDown,
    kPageUp,
    kPageDown,
    kHome,
    kEnd,
    kBackspace,
    kDelete,
    kInsert,
    kEnter,
    kA,
    kC,
    kV,
    kX,
    kY,
    kZ,
};

// What is held with a key. `command` is a Mac's Command key.
struct HeldKeys {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool command = false;
};

// Whose keys: a Windows EDIT control's, or a Mac text field's.
enum class KeyStyle { kWindows, kMac };

// What a key does in the text area.
struct KeyCommand {
    enum class Kind {
        kNone,
        kMove,
        kErase,
        kLineBreak,
        kSelectAll,
        kCopy,
        kCut,
        kPaste,
        kUndo,
        kRedo
    };
    Kind kind = Kind::kNone;
    TextEditor::Move move = TextEditor::Move::kLeft;
    bool extend = false;   // a move keeps the selection's other end
    bool forward = false;  // an erase is Delete's, not Backspace's
    bool word = false;     // an erase takes a word

    bool operator==(const KeyCommand&) const = default;
};

// Windows: Ctrl and an arrow go by words, Ctrl+Home and Ctrl+End to the text's
// ends, Ctrl+Backspace and Ctrl+Delete erase words, Shift+Delete cuts,
// Ctrl+Insert copies and Shift+Insert pastes. A Mac: Command and an arrow go to
// the line's or the text's ends, and Option and an arrow, Backspace or Delete go
// by words. Both: Shift keeps the selection, and Ctrl (or Command) with A, C, X,
// V, Z, Shift+Z and Y. Alt with any other key is the menu's.
KeyCommand CommandOfKey(Key key, HeldKeys held, KeyStyle style);

// Carries out a command that is the editor's alone (all but the clipboard's);
// returns false for the others. A page is `page_rows` rows.
bool RunKeyCommand(TextEditor& editor, const KeyCommand& command, std::size_t page_rows);

}  // namespace flg2scn
