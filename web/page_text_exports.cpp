// What the page's text area (text_view.js, text_input.js) calls: the rows to draw, the caret
// and the selection, and the user's keys and clicks as edits and moves. Places are
// rows and columns (TextLines); texts go in and out as UTF-16 code units.

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "commands/control_symbols.h"
#include "editor/text_keys.h"
#include "page.h"

namespace flg2scn {
namespace {

TextEditor& Editor() {
    return ThePage().text_area.editor();
}

}  // namespace
}  // namespace flg2scn

using flg2scn::Editor;
using flg2scn::TextEditor;
using flg2scn::TextLines;
using flg2scn::ThePage;

// The page calls these by their C names, as they are.
// NOLINTBEGIN(readability-identifier-naming)
extern "C" {

EMSCRIPTEN_KEEPALIVE int page_rows() {
    return static_cast<int>(Editor().lines().rows());
}

// How many edits the text has had, so that the page can keep rows it drew.
EMSCRIPTEN_KEEPALIVE double page_edits() {
    return static_cast<double>(Editor().edits());
}

EMSCRIPTEN_KEEPALIVE int page_widest_row() {
    return static_cast<int>(Editor().lines().widest_row());
}

// Makes the characters of `row` as drawn: each control as its symbol, marked.
// Returns their number; they are at page_units, the marks at page_marks.
EMSCRIPTEN_KEEPALIVE int page_row(int row) {
    const TextLines& lines = Editor().lines();
    const std::u16string_view text = Editor().text();
    const std::size_t start = lines.RowStart(static_cast<std::size_t>(row));
    auto& units = ThePage().units;
    auto& marks = ThePage().marks;
    units.assign(text.substr(start, lines.RowEnd(static_cast<std::size_t>(row)) - start));
    marks.assign(units.size(), '\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (flg2scn::ShownAsSymbol(units[i])) {
            units[i] = *flg2scn::SymbolOf(units[i]);
            marks[i] = 1;
        }
    }
    return static_cast<int>(units.size());
}

EMSCRIPTEN_KEEPALIVE const char16_t* page_units() {
    return ThePage().units.data();
}

EMSCRIPTEN_KEEPALIVE const char* page_marks() {
    return ThePage().marks.data();
}

// What the page draws for the control character whose symbol is `symbol`, at
// page_units; returns its length.
EMSCRIPTEN_KEEPALIVE int page_control_name(int symbol) {
    const auto control = flg2scn::ControlOf(static_cast<char16_t>(symbol));
    const std::string name = control ? flg2scn::ControlName(*control) : "";
    ThePage().units.assign(name.begin(), name.end());
    return static_cast<int>(name.size());
}

// The caret's row (0) and column (1), and the selection's other end's (2, 3).
EMSCRIPTEN_KEEPALIVE int page_caret(int which) {
    const TextEditor& editor = Editor();
    const TextLines::Place place =
        editor.lines().PlaceOf(which < 2 ? editor.caret() : editor.anchor());
    return static_cast<int>(which % 2 == 0 ? place.row : place.column);
}

// Does what a key does (a flg2scn::Key, with `held` as Ctrl 1, Shift 2, Alt 4
// and Command 8, a Mac's keys where `mac`); 0 where the key is not the text
// area's or is the clipboard's, which the browser's own events then do.
EMSCRIPTEN_KEEPALIVE int page_key(int key, int held, int mac, int page_rows) {
    const flg2scn::HeldKeys keys{(held & 1) != 0, (held & 2) != 0, (held & 4) != 0,
                                 (held & 8) != 0};
    const flg2scn::KeyCommand command =
        flg2scn::CommandOfKey(static_cast<flg2scn::Key>(key), keys,
                              mac != 0 ? flg2scn::KeyStyle::kMac : flg2scn::KeyStyle::kWindows);
    return flg2scn::RunKeyCommand(Editor(), command, static_cast<std::size_t>(page_rows)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void page_place(int row, int column, int extend) {
    Editor().PlaceCaret({static_cast<std::size_t>(row), static_cast<std::size_t>(column)},
                        extend != 0);
}

EMSCRIPTEN_KEEPALIVE void page_select_word(int row, int column) {
    Editor().SelectWord({static_cast<std::size_t>(row), static_cast<std::size_t>(column)});
}

EMSCRIPTEN_KEEPALIVE void page_select_all() {
    Editor().SelectAll();
}

// Puts the `length` units at `units` (which malloc gave; taken) in the place of
// the selection: typed, or pasted with its line breaks made CR LF.
EMSCRIPTEN_KEEPALIVE void page_type(char16_t* units, int length, int pasted) {
    const std::u16string text(units, static_cast<std::size_t>(length));
    std::free(units);
    if (pasted != 0) {
        Editor().Paste(flg2scn::PastedText(text));
    } else {
        Editor().Type(text);
    }
}

EMSCRIPTEN_KEEPALIVE void page_erase(int forward, int word) {
    Editor().Erase(forward != 0, word != 0);
}

EMSCRIPTEN_KEEPALIVE void page_undo(int redo) {
    if (redo != 0) {
        Editor().Redo();
    } else {
        Editor().Undo();
    }
}

// Copies the selected text as it is, for the clipboard, to page_copied, where it
// stays until the next copy.
EMSCRIPTEN_KEEPALIVE int page_copy() {
    ThePage().copied.assign(Editor().Selected());
    return static_cast<int>(ThePage().copied.size());
}

EMSCRIPTEN_KEEPALIVE const char16_t* page_copied() {
    return ThePage().copied.data();
}

}  // extern "C"
// NOLINTEND(readability-identifier-naming)
