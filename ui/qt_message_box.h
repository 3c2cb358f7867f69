#pragma once

#include <QMessageBox>

#include "commands/services.h"

class QWidget;

namespace flg2scn {

// The message box service as modal QMessageBoxes.
class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}

    void Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;
    SaveChoice AskToSave(std::u16string_view text, std::u16string_view title) override;

  private:
    QMessageBox::StandardButton show(std::u16string_view text, std::u16string_view title,
                                     QMessageBox::Icon icon, QMessageBox::StandardButtons buttons);

    QWidget* parent_;
};

}  // namespace flg2scn
