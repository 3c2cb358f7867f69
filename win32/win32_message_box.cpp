#include "win32/win32_message_box.h"

#include <string>

#include "system/windows_text.h"
#include "win32/win32_cursors.h"

namespace flg2scn {

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kError:
            return MB_ICONERROR;
        case MessageIcon::kWarning:
            return MB_ICONWARNING;
        case MessageIcon::kInformation:
            break;
    }
    return MB_ICONINFORMATION;
}

}  // namespace

void Win32MessageBox::Tell(std::string_view text, std::string_view title, MessageIcon icon) {
    const Win32DialogCursor cursor;
    ::MessageBoxW(owner_, WideOf(std::string(text)).c_str(), WideOf(std::string(title)).c_str(),
                  MB_OK | IconStyle(icon));
}

SaveChoice Win32MessageBox::AskToSave(std::string_view text, std::string_view title) {
    const Win32DialogCursor cursor;
    return SaveChoiceOf(
        ::MessageBoxW(owner_, WideOf(std::string(text)).c_str(), WideOf(std::string(title)).c_str(),
                      MB_YESNOCANCEL | MB_ICONWARNING),
        IDYES, IDNO);
}

}  // namespace flg2scn
