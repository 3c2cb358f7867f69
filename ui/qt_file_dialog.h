#pragma once

#include <QFileDialog>
#include <string>

#include "commands/services.h"

namespace flg2scn {

// The file dialog service on QFileDialog, modal over `parent`. A name typed
// without an extension into the save dialog gets the chosen filter's.
class QtFileDialog : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

    void SetFilter(std::u16string filter) override { filter_ = std::move(filter); }
    void SetFileName(std::u16string name) override { file_name_ = std::move(name); }
    std::u16string FileName() const override { return file_name_; }
    void ShowOpen() override;
    void ShowSave() override;

  private:
    void Show(QFileDialog::AcceptMode mode);

    QWidget* parent_;
    std::u16string filter_;
    std::u16string file_name_;
};

// "Flag Files|*.flg|All files|*.*" as Qt writes filters: "Flag Files (*.flg)" and
// "All files (*)", in their order.
std::u16string QtFilters(std::u16string_view filter);

}  // namespace flg2scn
