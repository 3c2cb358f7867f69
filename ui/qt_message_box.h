#pragma once

#include "commands/services.h"

class QWidget;

namespace flg2scn {

// The message box service as a modal QMessageBox with a single OK button.
class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}

    void Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) override;

  private:
    QWidget* parent_;
};

}  // namespace flg2scn
