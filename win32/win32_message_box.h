#pragma once

#include <windows.h>

#include "commands/services.h"

namespace flg2scn {

// Message boxes over the window `owner`, with MessageBoxW; the question is
// Yes (save), No (discard) and Cancel.
class Win32MessageBox : public MessageBoxService {
  public:
    explicit Win32MessageBox(HWND owner) : owner_(owner) {}

    void Tell(std::string_view text, std::string_view title, MessageIcon icon) override;
    SaveChoice AskToSave(std::string_view text, std::string_view title) override;

  private:
    HWND owner_;
};

}  // namespace flg2scn
