#pragma once

#include <QMessageBox>

#include "commands/services.h"

class QWidget;

namespace flg2scn {

// The message box service as modal QMessageBoxes.
class QtMessageBox : public MessageBoxService {
  public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}

    void Tell(std::string_view text, std::string_view title, MessageIcon icon) override;
    SaveChoice AskToSave(std::string_view text, std::string_view title) override;

  private:
    QMessageBox::StandardButton show(std::string_view text, std::string_view title,
                                     QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);

    QWidget* parent_;
};

}  // namespace flg2scn
