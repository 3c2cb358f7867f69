#pragma once

#include <QFileDialog>
#include <string>

#include "commands/services.h"

namespace flg2scn {

// The file dialog service on QFileDialog, modal over `parent`.
class QtFileDialog : public FileDialog {
  public:
    explicit QtFileDialog(QWidget* parent) : parent_(parent) {}

    void SetFilter(std::u16string filter) override { filter_ = std::move(filter); }
    void SetFileName(std::u16string name) override { file_name_ = std::move(name); }
    std::u16string FileName() const override { return file_name_; }
    void ShowOpen() override;
    void ShowSave() override;

  private:
    using Picker = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*,
                               QFileDialog::Options);
    void Show(Picker pick);

    QWidget* parent_;
    std::u16string filter_;
    std::u16string file_name_;
};

// "Flag Files|*.flg|All files|*.*" as Qt writes filters: "Flag Files (*.flg)" and
// "All files (*)", in their order.
std::u16string QtFilters(std::u16string_view filter);

}  // namespace flg2scn
