#include "ui/form1.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QUrl>

#include "conversion/convert_command.h"
#include "ui/file_commands.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"

namespace flg2scn {

namespace {

// The client area at start, in twips (1440 to the inch).
constexpr int kStartWidthTwips = 6555;
constexpr int kStartHeightTwips = 5520;
constexpr double kTwipsPerInch = 1440.0;

// The local file that a drag carries, or an empty text.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
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

Form1::Form1(std::unique_ptr<MessageBox> messages, std::unique_ptr<FileDialog> dialog,
             QWidget* parent)
    : QMainWindow(parent), messages_(std::move(messages)), CommonDialog1(std::move(dialog)) {
    if (!messages_) {
        messages_ = std::make_unique<QtMessageBox>(this);
    }
    if (!CommonDialog1) {
        CommonDialog1 = std::make_unique<QtFileDialog>(this);
    }
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Tovrin's Flag to Scenario Converter"));
    createTextArea();
    createMenus();
    setStartSize();
}

Form1::~Form1() = default;

void Form1::createTextArea() {
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setFont(TextFont());
    // The central widget fills the client area below the menu bar at every size.
    setCentralWidget(text1_);
    text_area_ = std::make_unique<QtTextArea>(text1_);
    // A file dropped on the text loads; dropped text is inserted as before.
    text1_->viewport()->installEventFilter(this);
}

void Form1::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));

    QAction* load = file->addAction(tr("&Load .FLG"));
    load->setObjectName(QStringLiteral("mnuLoadFLG"));
    load->setShortcut(QKeySequence::Open);
    connect(load, &QAction::triggered, this, &Form1::mnuLoadFLG_Click);

    QAction* save = file->addAction(tr("&Save .SCN"));
    save->setObjectName(QStringLiteral("mnuSaveSCN"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &Form1::mnuSaveSCN_Click);

    file->addSeparator()->setObjectName(QStringLiteral("mnuDash1"));

    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QAction* convert = menuBar()->addAction(tr("&Convert It"));
    convert->setObjectName(QStringLiteral("mnuConvert"));
    connect(convert, &QAction::triggered, this, &Form1::mnuConvert_Click);

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::setStartSize() {
    const QScreen* display = screen();
    const double dpi_x = display != nullptr ? display->logicalDotsPerInchX() : 96.0;
    const double dpi_y = display != nullptr ? display->logicalDotsPerInchY() : 96.0;
    const int width = qRound(kStartWidthTwips * dpi_x / kTwipsPerInch);
    const int height = qRound(kStartHeightTwips * dpi_y / kTwipsPerInch);
    resize(width, height + menuBar()->sizeHint().height());
}

void Form1::mnuLoadFLG_Click() {
    text_area_->BeginCommand();
    flg2scn::mnuLoadFLG_Click(*text_area_, *CommonDialog1, *messages_);
}

void Form1::mnuSaveSCN_Click() {
    text_area_->BeginCommand();
    flg2scn::mnuSaveSCN_Click(*text_area_, *CommonDialog1, *messages_);
}

void Form1::mnuConvert_Click() {
    text_area_->BeginCommand();
    flg2scn::mnuConvert_Click(*text_area_, *messages_);
}

void Form1::mnuAbout_Click() {
    messages_->Tell(u"Program by Tovrin.\r\nMany thanks to Greyfallow for his help.", u"About",
                    MessageIcon::kInformation);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    openFile(file);
}

void Form1::openFile(const QString& file) {
    CommonDialog1->SetFileName(file.toStdU16String());
    text_area_->BeginCommand();
    LoadFlagFile(file.toStdU16String(), *text_area_, *messages_);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_->viewport()) {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
                if (auto* drag = static_cast<QDragMoveEvent*>(event);
                    !DroppedFile(drag->mimeData()).isEmpty()) {
                    drag->acceptProposedAction();
                    return true;
                }
                break;
            case QEvent::Drop:
                if (auto* drop = static_cast<QDropEvent*>(event);
                    !DroppedFile(drop->mimeData()).isEmpty()) {
                    dropEvent(drop);
                    return true;
                }
                break;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace flg2scn
