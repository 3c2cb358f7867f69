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
    Replace(std::move(text), true);
}

void EditTextArea::AppendText(std::u16string_view text) {
    Replace(std::u16string(text), false);
}

// One message with the whole text, drawn once when it is in: the control's own
// work on the lines is most of a large load's time.
void EditTextArea::Replace(std::u16string text, bool whole) {
    const std::wstring wide = WideOf(ShownText(std::move(text)));
    ::SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
    const int end = ::GetWindowTextLengthW(edit_);
    ::SendMessageW(edit_, EM_SETSEL, whole ? 0 : end, end);
    ::SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    if (whole) {
        ::SendMessageW(edit_, EM_SETSEL, 0, 0);
    }
    ::SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
    ::SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    ::InvalidateRect(edit_, nullptr, TRUE);
}

bool EditTextArea::Changed() {
    return ::SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0;
}

void EditTextArea::SetUnchanged() {
    ::SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
}

}  // namespace flg2scn
