#pragma once

#include <windows.h>

#include "commands/services.h"

namespace flg2scn {

// The open and save dialogs of comdlg32 over the window `owner`.
class Win32FileDialog : public FileDialog {
  public:
    explicit Win32FileDialog(HWND owner) : owner_(owner) {}

    std::optional<std::filesystem::path> AskOpen(const std::filesystem::path& start) override;
    std::optional<std::filesystem::path> AskSave(const std::filesystem::path& folder) override;

  private:
    HWND owner_;
};

}  // namespace flg2scn
