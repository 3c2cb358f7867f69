#include "page_message_box.h"

#include <emscripten.h>

#include <string>

namespace flg2scn {

namespace {

EM_JS(void, ShowMessage, (const char* text, const char* title, int icon), {
    Module.page.tell(UTF8ToString(text), UTF8ToString(title),
                     [ "error", "warning", "information" ][icon]);
});

}  // namespace

void PageMessageBox::Tell(std::string_view text, std::string_view title, MessageIcon icon) {
    ShowMessage(std::string(text).c_str(), std::string(title).c_str(), static_cast<int>(icon));
}

SaveChoice PageMessageBox::AskToSave(std::string_view text, std::string_view title) {
    Tell(text, title, MessageIcon::kWarning);
    return SaveChoice::kCancel;
}

}  // namespace flg2scn
