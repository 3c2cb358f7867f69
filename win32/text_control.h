#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "commands/services.h"
#include "editor/text_editor.h"
#include "editor/text_keys.h"

namespace flg2scn {

// The text area "Text1": a window of its own over a TextEditor (editor/), which
// holds the text as it is. It draws only the rows in sight, a control character
// (a lone CR or LF, NUL and the rest) as its name in a small box, as the Qt
// window does, and a symbol character as itself; so what is saved is what the
// text holds. An EDIT control would end the text at a NUL, break lines at a
// lone CR or LF, and take seconds to load megabytes. The keys, the mouse, the
// clipboard and the context menu are those of an EDIT control; undo takes back
// any number of edits, a Load or a Convert as one.
class TextControl final : public TextArea {
  public:
    // Makes the control, a child of `parent`.
    explicit TextControl(HWND parent);
    ~TextControl() override;
    TextControl(const TextControl&) = delete;
    TextControl& operator=(const TextControl&) = delete;

    HWND window() const { return window_; }
    // The font of the text; the control keeps it, the caller deletes it later.
    void SetFont(HFONT font);

    std::u16string_view Text() override { return editor_.text(); }
    void SetText(std::u16string text) override;
    void AppendText(std::u16string_view text) override;
    bool Changed() override { return editor_.changed(); }
    void SetUnchanged() override { editor_.set_changed(false); }

  private:
    static constexpr int kMargin = 2;  // pixels left of the text

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT Handle(UINT message, WPARAM w, LPARAM l);

    // Drawing (text_control_paint.cpp) and scrolling (text_control.cpp).
    void Paint();
    void PaintRow(HDC dc, std::size_t row, int y);
    // The left edge of each column of `row`, and its end, in pixels from the
    // row's start: a tab reaches the next of every 8 columns, a control's box is
    // two columns wide.
    std::vector<int> Edges(HDC dc, std::size_t row) const;
    // Where `place` is, in pixels from its row's start.
    int XOf(TextEditor::Place place) const;
    int VisibleRows() const;
    void Scroll(int bar, int request);
    void SetTop(std::size_t row, int left);
    void UpdateScrollBars();
    void PlaceCaret();
    // After an edit or a move: the caret brought into view, the text drawn anew.
    void Moved();

    // Keys, mouse and clipboard (text_control_input.cpp).
    bool Key(WPARAM key);
    // Does what `key` does with the keys held now; false where it does nothing.
    bool Run(flg2scn::Key key);
    void Char(wchar_t c);
    TextEditor::Place PlaceAt(LPARAM point) const;
    void Mouse(UINT message, WPARAM w, LPARAM l);
    void ContextMenu(LPARAM point);
    void Copy(bool cut);
    void Paste();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HFONT small_font_ = nullptr;  // for the names of control characters
    int line_height_ = 16;
    int char_width_ = 8;
    std::size_t top_row_ = 0;
    int left_ = 0;  // pixels scrolled to the left
    bool dragging_ = false;
    TextEditor editor_;
};

}  // namespace flg2scn
