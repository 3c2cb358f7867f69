// The page's text area under any series of keys, clicks and edits: its lines are
// always those found anew in its text, the caret and the selection's other end
// stay within the text and never inside a CR LF, and an edit taken back and done
// again gives the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/text_editor.h"
#include "fuzz_input.h"

using flg2scn::TextEditor;
using flg2scn::TextLines;
using flg2scn::fuzz::Require;

namespace {

void RequireSound(const TextEditor& editor) {
    const std::u16string& text = editor.text();
    const TextLines found(text);
    const TextLines& lines = editor.lines();
    Require(lines.lines() == found.lines() && lines.rows() == found.rows() &&
            lines.widest_row() == found.widest_row());
    for (std::size_t line = 0; line < found.lines(); ++line) {
        Require(lines.LineStart(line) == found.LineStart(line));
    }
    for (const std::size_t at : {editor.caret(), editor.anchor()}) {
        Require(at <= text.size());
        Require(at == 0 || at == text.size() || text.compare(at - 1, 2, u"\r\n") != 0);
        Require(lines.PositionOf(lines.PlaceOf(at)) == at);
    }
}

}  // namespace

// Each step is two bytes: what to do, and what with.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr char16_t kChars[] = {u'a', u' ', u'\r', u'\n', u'\xD83D', u'\xDE00', u'\0'};
    TextEditor editor;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned what = data[i];
        const unsigned with = data[i + 1];
        const std::u16string some = {kChars[with % 7], kChars[(with / 7) % 7]};
        const bool extend = (with & 0x80) != 0;
        const TextLines::Place place{(with >> 4) & 7, (with & 15) * 130};
        switch (what % 10) {
            case 0:
                editor.Type(some.substr(0, 1 + (what / 10) % 2));
                break;
            case 1:
                editor.Paste(std::u16string((what / 10) * 90, some[0]) + some);
                break;
            case 2:
                editor.Erase((with & 1) != 0, (with & 2) != 0);
                break;
            case 3:
                editor.MoveCaret(static_cast<TextEditor::Move>(with % 12), extend, with % 5);
                break;
            case 4:
                editor.PlaceCaret(place, extend);
                break;
            case 5:
                editor.SelectWord(place);
                break;
            case 6:
                editor.SelectAll();
                break;
            case 7: {
                const std::u16string before = editor.text();
                if (editor.Undo()) {
                    Require(editor.Redo() && editor.text() == before);
                    editor.Undo();
                }
                break;
            }
            case 8:
                editor.Redo();
                break;
            default:
                editor.SetText(some + u"\r\n" + some);
                break;
        }
        RequireSound(editor);
    }
    return 0;
}
