#include "page_text_area.h"

#include <emscripten.h>

namespace flg2scn {

namespace {

// The page's side (text_view.js): draws the text anew, from its start when a
// command replaced it.
EM_JS(void, DrawText, (bool from_start), { Module.textView.textChanged(from_start); });

}  // namespace

void PageTextArea::SetText(std::u16string text) {
    editor_.SetText(text);
    DrawText(true);
}

void PageTextArea::AppendText(std::u16string_view text) {
    editor_.Append(text);
    DrawText(false);
}

}  // namespace flg2scn
