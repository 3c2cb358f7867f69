#pragma once

#include <QFileDialog>
#include <QString>
#include <filesystem>
#include <optional>

#include "commands/services.h"

namespace flg2scn {

// The file dialogs on QFileDialog, modal over `parent`.
class QtFileDialog : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

    std::optional<std::filesystem::path> AskOpen(const std::filesystem::path& start) override;
    std::optional<std::filesystem::path> AskSave(const std::filesystem::path& folder) override;

  private:
    std::optional<std::filesystem::path> ask(QFileDialog& dialog);

    QWidget* parent_;
};

}  // namespace flg2scn
