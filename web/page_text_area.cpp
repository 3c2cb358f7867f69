#include "page_text_area.h"

#include <emscripten.h>

#include "commands/control_symbols.h"

namespace flg2scn {

namespace {

// The page's side (page.js): the shown text goes in and out as UTF-16 code units.
EM_JS(void, ShowText, (const char16_t* units, std::size_t length, bool whole),
      { Module.page.showText(HEAPU16, units >> 1, length, whole); });
EM_JS(std::size_t, ShownLength, (), { return Module.page.shownLength(); });
EM_JS(void, CopyShown, (char16_t* units), { Module.page.copyShown(HEAPU16, units >> 1); });

}  // namespace

std::u16string_view PageTextArea::Text() {
    if (stale_) {
        std::u16string shown(ShownLength(), u'\0');
        CopyShown(shown.data());
        text_ = TextShownLf(shown);
        stale_ = false;
    }
    return text_;
}

void PageTextArea::SetText(std::u16string text) {
    const std::u16string shown = ShownTextLf(text);
    text_ = std::move(text);
    stale_ = false;
    changed_ = true;
    ShowText(shown.data(), shown.size(), true);
}

void PageTextArea::AppendText(std::u16string_view text) {
    Text();
    const std::u16string shown = ShownTextLf(text);
    text_ += text;
    changed_ = true;
    ShowText(shown.data(), shown.size(), false);
}

}  // namespace flg2scn
