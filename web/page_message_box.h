#pragma once

#include "commands/services.h"

namespace flg2scn {

// Message boxes as the page's modal <dialog>s. A page cannot wait for the user:
// Tell returns at once, and the dialog stays until dismissed. The page never asks
// to save, since it never closes itself: leaving it asks through the browser.
class PageMessageBox final : public MessageBoxService {
  public:
    void Tell(std::string_view text, std::string_view title, MessageIcon icon) override;
    SaveChoice AskToSave(std::string_view text, std::string_view title) override;
};

}  // namespace flg2scn
