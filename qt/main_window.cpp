#include "qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <vector>

#include "commands/window_layout.h"
#include "qt/qt_cursors.h"
#include "qt/qt_file_dialog.h"
#include "qt/qt_message_box.h"
#include "qt/qt_text.h"
#include "qt/text_area/text_edit.h"

namespace flg2scn {

namespace {

// The local files that a drag carries: none unless every one it carries is local.
std::vector<std::filesystem::path> DroppedFiles(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    for (const QUrl& url : data != nullptr ? data->urls() : QList<QUrl>()) {
        if (!url.isLocalFile()) {
            return {};
        }
        files.push_back(ToPath(url));
    }
    return files;
}

QFont TextFont() {
    if (QFontDatabase::families().contains(ToQString(kTextFontName))) {
        return QFont(ToQString(kTextFontName), kTextFontPoints);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kTextFontPoints);
    return font;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<MessageBoxService> messages,
                       std::unique_ptr<FileDialog> dialog, QWidget* parent)
    : QMainWindow(parent), messages_(std::move(messages)), file_dialog_(std::move(dialog)) {
    if (!messages_) {
        messages_ = std::make_unique<QtMessageBox>(this);
    }
    if (!file_dialog_) {
        file_dialog_ = std::make_unique<QtFileDialog>(this);
    }
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    setWindowTitle(ToQString(kWindowCaption));
    createTextArea();
    commands_ = std::make_unique<WindowCommands>(*text_area_, *file_dialog_, *messages_, files_);
    createMenus();
    setStartSize();
}

MainWindow::~MainWindow() = default;

void MainWindow::createTextArea() {
    text_edit_ = new TextEdit(this);
    text_edit_->setObjectName(QStringLiteral("Text1"));
    text_edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_edit_->setFont(TextFont());
    // The central widget fills the client area below the menu bar at every size.
    setCentralWidget(text_edit_);
    text_area_ = std::make_unique<QtTextArea>(text_edit_);
    // A file dropped on the text loads; dropped text is inserted as before.
    text_edit_->viewport()->installEventFilter(this);
}

// The File menu comes first in the entries, and its own follow it.
void MainWindow::createMenus() {
    QMenu* file = nullptr;
    for (const MenuEntry& entry : kMenuEntries) {
        const QString caption = ToQString(entry.caption);
        QAction* action = nullptr;
        if (entry.action == MenuAction::kFileMenu) {
            file = menuBar()->addMenu(caption);
            action = file->menuAction();
        } else if (entry.action == MenuAction::kNone) {
            action = file->addSeparator();
        } else {
            action = entry.in_file_menu ? file->addAction(caption) : menuBar()->addAction(caption);
        }
        action->setObjectName(ToQString(entry.name));
        action->setShortcut(QKeySequence(QString::fromStdString(ShortcutText(entry.shortcut))));
        connect(action, &QAction::triggered, this,
                [this, chosen = entry.action] { runMenuAction(chosen); });
    }
}

void MainWindow::setStartSize() {
    const QScreen* display = screen();
    const double dpi_x = display != nullptr ? display->logicalDotsPerInchX() : 96.0;
    const double dpi_y = display != nullptr ? display->logicalDotsPerInchY() : 96.0;
    const int width = TwipsToPixels(kStartWidthTwips, dpi_x);
    const int height = TwipsToPixels(kStartHeightTwips, dpi_y);
    resize(width, height + menuBar()->sizeHint().height());
}

// Every command comes here: the busy cursor while it works, and its changes of
// the text one undo step of their own.
void MainWindow::runCommand(const std::function<void()>& command) {
    const QtBusyCursor busy;
    text_area_->beginCommand();
    command();
}

// Exit closes as the close button does, by closeEvent.
void MainWindow::runMenuAction(MenuAction action) {
    runCommand([this, action] { commands_->Run(action, [this] { close(); }); });
}

void MainWindow::openFile(const std::filesystem::path& file) {
    runCommand([this, &file] { commands_->files().LoadFile(file); });
}

// Exit, the close button and the end of the session all come here.
void MainWindow::closeEvent(QCloseEvent* event) {
    bool may_close = false;
    runCommand([&] { may_close = commands_->files().MayClose(); });
    if (may_close) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::openFileWhenShown(const std::filesystem::path& file) {
    file_when_shown_ = file;
    // The window, not yet shown, to watch.
    create();
    if (windowHandle()->isExposed()) {
        openFileNowShown();
    } else {
        windowHandle()->installEventFilter(this);
    }
}

void MainWindow::openFileNowShown() {
    windowHandle()->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] { openFile(file_when_shown_); });
}

// A drag that carries local files is taken alike over the text and anywhere
// else on the window, and its drop loads the file (or tells that several are one
// too many); any other drag is left to the widget under it (the text area
// inserts dropped text).
bool MainWindow::takeDroppedFile(QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
        event->type() != QEvent::Drop) {
        return false;
    }
    // QDragEnterEvent and QDragMoveEvent are QDropEvents.
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::filesystem::path> files = DroppedFiles(drop->mimeData());
    if (files.empty()) {
        return false;
    }
    drop->acceptProposedAction();
    // The file loads once the drop has ended, so that a message about it never
    // keeps the program that it came from waiting.
    if (event->type() == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, files = std::move(files)] {
            runCommand([this, &files] { commands_->files().LoadDropped(files); });
        });
    }
    return true;
}

bool MainWindow::event(QEvent* event) {
    return takeDroppedFile(event) || QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        openFileNowShown();
    }
    if (watched == text_edit_->viewport() && takeDroppedFile(event)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace flg2scn
