#include "ui/main_window.h"

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

#include "commands/convert_command.h"
#include "commands/messages.h"
#include "ui/busy_cursor.h"
#include "ui/file_names.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/text_area/text_edit.h"

namespace flg2scn {

namespace {

// The client area at start, in twips (1440 to the inch).
constexpr int kStartWidthTwips = 6555;
constexpr int kStartHeightTwips = 5520;
constexpr double kTwipsPerInch = 1440.0;

// The local file that a drag carries, or an empty name.
std::filesystem::path DroppedFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? ToPath(url) : std::filesystem::path();
}

QFont TextFont() {
    constexpr int kPointSize = 9;
    if (QFontDatabase::families().contains(QStringLiteral("Fixedsys"))) {
        return QFont(QStringLiteral("Fixedsys"), kPointSize);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kPointSize);
    return font;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<MessageBox> messages, std::unique_ptr<FileDialog> dialog,
                       QWidget* parent)
    : QMainWindow(parent), messages_(std::move(messages)), file_dialog_(std::move(dialog)) {
    if (!messages_) {
        messages_ = std::make_unique<QtMessageBox>(this);
    }
    if (!file_dialog_) {
        file_dialog_ = std::make_unique<QtFileDialog>(this);
    }
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Tovrin's Flag to Scenario Converter"));
    createTextArea();
    file_commands_ = std::make_unique<FileCommands>(*text_area_, *file_dialog_, *messages_);
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

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));

    QAction* load = file->addAction(tr("&Load .FLG"));
    load->setObjectName(QStringLiteral("mnuLoadFLG"));
    load->setShortcut(QKeySequence::Open);
    connect(load, &QAction::triggered, this, &MainWindow::load);

    QAction* save = file->addAction(tr("&Save .SCN"));
    save->setObjectName(QStringLiteral("mnuSaveSCN"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &MainWindow::save);

    file->addSeparator()->setObjectName(QStringLiteral("mnuDash1"));

    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction* convert = menuBar()->addAction(tr("&Convert It"));
    convert->setObjectName(QStringLiteral("mnuConvert"));
    connect(convert, &QAction::triggered, this, &MainWindow::convert);

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::about);
}

void MainWindow::setStartSize() {
    const QScreen* display = screen();
    const double dpi_x = display != nullptr ? display->logicalDotsPerInchX() : 96.0;
    const double dpi_y = display != nullptr ? display->logicalDotsPerInchY() : 96.0;
    const int width = qRound(kStartWidthTwips * dpi_x / kTwipsPerInch);
    const int height = qRound(kStartHeightTwips * dpi_y / kTwipsPerInch);
    resize(width, height + menuBar()->sizeHint().height());
}

void MainWindow::setUnchanged() {
    text_edit_->document()->setModified(false);
}

// Every command comes here: the busy cursor while it works, and its changes of
// the text one undo step of their own.
void MainWindow::runCommand(const std::function<void()>& command) {
    const BusyCursor busy;
    text_area_->beginCommand();
    command();
}

void MainWindow::load() {
    runCommand([this] {
        if (file_commands_->Load()) {
            setUnchanged();
        }
    });
}

void MainWindow::save() {
    runCommand([this] {
        if (file_commands_->Save()) {
            setUnchanged();
        }
    });
}

void MainWindow::convert() {
    runCommand([this] { ConvertCommand(*text_area_, *messages_); });
}

void MainWindow::about() {
    runCommand([this] { TellAbout(*messages_); });
}

void MainWindow::openFile(const std::filesystem::path& file) {
    runCommand([this, &file] {
        if (file_commands_->LoadFile(file)) {
            setUnchanged();
        }
    });
}

// Exit, the close button and the end of the session all come here.
void MainWindow::closeEvent(QCloseEvent* event) {
    bool may_close = false;
    runCommand([&] { may_close = file_commands_->MayClose(text_edit_->document()->isModified()); });
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

// A drag that carries one local file is taken alike over the text and anywhere
// else on the window, and its drop loads the file; any other drag is left to the
// widget under it (the text area inserts dropped text).
bool MainWindow::takeDroppedFile(QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
        event->type() != QEvent::Drop) {
        return false;
    }
    // QDragEnterEvent and QDragMoveEvent are QDropEvents.
    auto* drop = static_cast<QDropEvent*>(event);
    const std::filesystem::path file = DroppedFile(drop->mimeData());
    if (file.empty()) {
        return false;
    }
    drop->acceptProposedAction();
    // The file loads once the drop has ended, so that a message about it never
    // keeps the program that it came from waiting.
    if (event->type() == QEvent::Drop) {
        QTimer::singleShot(0, this, [this, file] { openFile(file); });
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
