#pragma once

#include <QMainWindow>
#include <memory>

#include "ui/qt_text_area.h"
#include "ui/services.h"

class QAction;
class QPlainTextEdit;

namespace flg2scn {

// The program's one window: the text area Text1 under a menu bar.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // Message boxes go to `messages` when given (tests record them), else to
    // modal QMessageBoxes.
    explicit Form1(std::unique_ptr<MessageBox> messages = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    QPlainTextEdit* Text1() const { return text1_; }

  private:
    void createTextArea();
    void createMenus();
    void setStartSize();

    void mnuConvert_Click();
    void mnuAbout_Click();

    QPlainTextEdit* text1_ = nullptr;
    std::unique_ptr<QtTextArea> text_area_;
    std::unique_ptr<MessageBox> messages_;
};

}  // namespace flg2scn
