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
    // Message boxes and file dialogs go to the services given (tests script
    // them), else to QMessageBox and QFileDialog.
    explicit Form1(std::unique_ptr<MessageBox> messages = nullptr,
                   std::unique_ptr<FileDialog> dialog = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    QPlainTextEdit* Text1() const { return text1_; }

    // Loads a file named outside the dialog (dropped, or given at start) as Load
    // does; it becomes the dialog's file name.
    void openFile(const QString& file);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createTextArea();
    void createMenus();
    void setStartSize();

    void mnuLoadFLG_Click();
    void mnuSaveSCN_Click();
    void mnuConvert_Click();
    void mnuAbout_Click();

    QPlainTextEdit* text1_ = nullptr;
    std::unique_ptr<QtTextArea> text_area_;
    std::unique_ptr<MessageBox> messages_;
    std::unique_ptr<FileDialog> CommonDialog1;
};

}  // namespace flg2scn
