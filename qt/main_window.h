#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>

#include "commands/disk_files.h"
#include "commands/services.h"
#include "commands/window_commands.h"
#include "commands/window_layout.h"
#include "qt/text_area/qt_text_area.h"

class QAction;
class QPlainTextEdit;

namespace flg2scn {

// The program's one window, "Form1": the text area "Text1" under a menu bar.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Message boxes and file dialogs go to the services given (tests script
    // them), else to QMessageBox and QFileDialog.
    explicit MainWindow(std::unique_ptr<MessageBoxService> messages = nullptr,
                        std::unique_ptr<FileDialog> dialog = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    QPlainTextEdit* textEdit() const { return text_edit_; }

    // Loads a file named outside the dialog (dropped, or given at start) as Load
    // does; Load's dialog then starts with it.
    void openFile(const std::filesystem::path& file);
    // The same once the window is on screen, so that a message stands over it.
    void openFileWhenShown(const std::filesystem::path& file);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createTextArea();
    void createMenus();
    void setStartSize();
    void runCommand(const std::function<void()>& command);
    void runMenuAction(MenuAction action);
    bool takeDroppedFile(QEvent* event);
    void openFileNowShown();

    QPlainTextEdit* text_edit_ = nullptr;
    std::unique_ptr<QtTextArea> text_area_;
    std::unique_ptr<MessageBoxService> messages_;
    std::unique_ptr<FileDialog> file_dialog_;
    DiskFiles files_;
    std::unique_ptr<WindowCommands> commands_;
    std::filesystem::path file_when_shown_;
};

}  // namespace flg2scn
