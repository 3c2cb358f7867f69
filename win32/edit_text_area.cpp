#include "win32/edit_text_area.h"

#include "commands/control_symbols.h"
#include "system/windows_text.h"

namespace flg2scn {

std::u16string_view EditTextArea::Text() {
    const int length = ::GetWindowTextLengthW(edit_);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    wide.resize(static_cast<std::size_t>(::GetWindowTextW(edit_, wide.data(), length + 1)));
    text_ = TextShown(Utf16Of(wide));
    return text_;
}

void EditTextArea::SetText(std::u16string text) {
    Replace(text, true);
}

void EditTextArea::AppendText(std::u16string_view text) {
    Replace(text, false);
}

void EditTextArea::Replace(std::u16string_view text, bool whole) {
    const std::wstring wide = WideOf(ShownText(text));
    const int end = ::GetWindowTextLengthW(edit_);
    ::SendMessageW(edit_, EM_SETSEL, whole ? 0 : end, end);
    ::SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    if (whole) {
        ::SendMessageW(edit_, EM_SETSEL, 0, 0);
        ::SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    }
}

bool EditTextArea::Changed() {
    return ::SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0;
}

void EditTextArea::SetUnchanged() {
    ::SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
}

}  // namespace flg2scn
