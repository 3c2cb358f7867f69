#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "qt/main_window.h"
#include "qt/qt_cursors.h"
#include "qt/qt_file_dialog.h"
#include "qt/qt_message_box.h"
#include "qt/qt_text.h"
#include "qt/startup_messages.h"
#include "support/harbour.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace flg2scn {

QString Q(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

// A window whose message boxes are recorded and whose file dialog answers from
// a script.
struct ScriptedWindow {
    explicit ScriptedWindow(bool shown = false) {
        if (shown) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    }
    void Trigger(const char* action, const std::string& answer = "") {
        if (!answer.empty()) {
            dialog->answers.push_back(answer);
        }
        window.findChild<QAction*>(action)->trigger();
    }
    QString Text() { return Q(QtTextArea(window.textEdit()).Text()); }

    test::RecordingMessageBox* messages = new test::RecordingMessageBox;
    test::ScriptedFileDialog* dialog = new test::ScriptedFileDialog;
    MainWindow window{std::unique_ptr<MessageBoxService>(messages),
                      std::unique_ptr<FileDialog>(dialog)};
};

// Hands the first modal dialog of type Dialog to `handle` from a timer, since a
// modal dialog blocks the test's own code. A modal dialog still open after five
// seconds is closed, so that a test fails instead of hanging.
template <typename Dialog>
struct ModalWatcher {
    explicit ModalWatcher(std::function<void(Dialog*)> handle) {
        QObject::connect(&timer, &QTimer::timeout, [this, handle] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<Dialog*>(modal); dialog != nullptr && !handled) {
                handled = true;
                handle(dialog);
            } else if (modal != nullptr && ++polls > 250) {
                modal->close();
            }
        });
        timer.start(20);
    }
    bool handled = false;
    int polls = 0;
    QTimer timer;
};

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menusTitleAndAbout() {
        ScriptedWindow w;
        // The window, then the menu bar's entries and the File menu's, each as
        // the table has them: in its order, with caption and shortcut.
        QString drawn = w.window.objectName() + w.window.windowTitle();
        const QList<QAction*> bar = w.window.menuBar()->actions();
        for (const QAction* action : bar + bar.constFirst()->menu()->actions()) {
            drawn += ' ' + action->objectName() + (action->isSeparator() ? "-" : action->text()) +
                     action->shortcut().toString();
        }
        QString table = "Form1" + ToQString(kWindowCaption);
        for (const bool in_file_menu : {false, true}) {
            for (const MenuEntry& entry : kMenuEntries) {
                if (entry.in_file_menu == in_file_menu) {
                    table += ' ' + ToQString(entry.name) +
                             (entry.action == MenuAction::kNone ? "-" : ToQString(entry.caption)) +
                             QString::fromStdString(ShortcutText(entry.shortcut));
                }
            }
        }
        QCOMPARE(drawn, table);
        w.Trigger("mnuAbout");
        QVERIFY(w.messages->shown ==
                std::vector<test::Message>({{"Program by Tovrin.\r\nMany thanks to Greyfallow "
                                             "for his help.",
                                             "About", MessageIcon::kInformation}}));
        w.window.openFileWhenShown("/nonexistent.flg");  // its message waits for the window
        QCoreApplication::processEvents();
        QCOMPARE(w.messages->shown.size(), 1);
        w.window.show();
        QTRY_COMPARE(w.messages->shown.size(), 2);
    }
    // Each command is one undo step: the CR LF that Convert appends and its
    // scenario go together, and so does the whole text of a load. The busy cursor
    // shows while a command, an undo (by key or menu) or a paste changes the text.
    void typedTextConvertsLoadsSavesAndUndoes() {
        test::TempDir dir;
        test::WriteBytes(dir.Path("a.flg"), "#A\n\r\n");
        ScriptedWindow w(true);
        QPlainTextEdit* edit = w.window.findChild<QPlainTextEdit*>("Text1");
        QTest::keyClicks(edit, "#Harbour\r<100 200 40>");
        QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);  // U+2028 reads as CR LF
        QTest::keyClicks(edit, "<1024 512 96>\r");
        QStringList cursors;
        connect(edit->document(), &QTextDocument::contentsChanged, [&] {
            const QCursor* shown = QGuiApplication::overrideCursor();
            cursors << (shown == nullptr ? QString("none") : QString::number(shown->shape()));
        });
        QGuiApplication::clipboard()->setText(u"\u00A0"_qs);  // a no-break space stays one
        QTest::keySequence(edit, QKeySequence::Paste);
        w.Trigger("mnuConvert");
        QCOMPARE(w.Text(), Q(test::HarbourScenario()));
        w.Trigger("mnuLoadFLG", dir.Path("a.flg"));
        QCOMPARE(edit->document()->toRawText(), u"#A\u240A\u2029"_qs);  // lone LF as a symbol
        QVERIFY(!edit->document()->isModified());
        QTest::keySequence(edit, QKeySequence::Undo);
        QCOMPARE(w.Text(), Q(test::HarbourScenario()));
        // The context menu's undo and redo go through the busy cursor too.
        for (const char* step : {"edit-undo", "edit-redo", "edit-undo"}) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
            QApplication::sendEvent(edit->viewport(), &menu);
            const QPointer<QWidget> popup = QApplication::activePopupWidget();
            popup->findChild<QAction*>(step)->trigger();
            popup->close();
            QTRY_VERIFY(popup.isNull());  // each menu goes once closed
            if (step == std::string_view("edit-redo")) {
                QCOMPARE(w.Text(), Q(test::HarbourScenario()));
            }
        }
        w.Trigger("mnuSaveSCN", dir.Path("b.scn"));
        QCOMPARE(test::ReadBytes(dir.Path("b.scn")),
                 "#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n\xA0\r\n");
        edit->selectAll();  // a copy has its line breaks as the clipboard writes them
        edit->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"#Harbour\n<100 200 40>\n<1024 512 96>\n\u00A0"_qs);
        QVERIFY(!edit->document()->isModified() && w.messages->shown.empty());
        QVERIFY(cursors.size() >= 5);  // one change at least for each of the five
        QCOMPARE(cursors, QStringList(cursors.size(), QString::number(Qt::WaitCursor)));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // A name from the command line or a drop keeps its bytes, UTF-8 or not.
    void fileNamesKeepTheirBytes() {
        const char* const argv[] = {"flg2scn", "\xff.flg", "a.flg"};
        QVERIFY(ArgumentPath(3, argv, QString::fromLocal8Bit(argv[1])) ==
                std::filesystem::current_path() / "\xff.flg");
        QVERIFY(ToPath(QUrl::fromEncoded("file:///tmp/%FF%C3%A9.flg")) == "/tmp/\xff\xc3\xa9.flg");
    }

    // A file dropped on the text or anywhere else on the window loads once the drop
    // has ended, and two are told; dropped text is inserted by the text area itself.
    void dropsOnTheWindow() {
        test::TempDir dir;
        test::WriteBytes(dir.Path("d.flg"), "#Dropped\r\n");
        const QUrl url = QUrl::fromLocalFile(QString::fromStdString(dir.Path("d.flg")));
        QMimeData file;
        file.setUrls({url});
        QMimeData two;
        two.setUrls({url, url});
        QMimeData text;
        text.setText("typed");
        for (const bool on_menu_bar : {true, false}) {
            for (QMimeData* data : {&file, &two, &text}) {
                ScriptedWindow w(true);
                QTest::keyClicks(w.window.textEdit(), "x");
                w.Trigger("mnuConvert");  // appends CR LF, then tells "No # header."
                QWidget* target = on_menu_bar ? static_cast<QWidget*>(w.window.menuBar())
                                              : w.window.textEdit()->viewport();
                const QPoint at = target->mapTo(&w.window, QPoint(40, 5));
                QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w.window.windowHandle(), &enter);
                const bool loads = data == &file;
                const bool files = data != &text;
                QCOMPARE(enter.isAccepted(), files || !on_menu_bar);
                QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w.window.windowHandle(), &drop);
                const QString kept = on_menu_bar || files ? "x\r\n" : "xtyped\r\n";
                QCOMPARE(w.Text(), kept);  // nothing yet
                QCoreApplication::processEvents();
                QCOMPARE(w.Text(), loads ? "#Dropped\r\n" : kept);
                QCOMPARE(QString::fromStdString(std::get<0>(w.messages->shown.back())),
                         data == &two ? "Only one file can be loaded at a time.\r\nPlease drop a "
                                        "single .FLG file."
                                      : "No # header.");
                w.Trigger("mnuLoadFLG");  // Load's dialog starts with the dropped file
                QCOMPARE(w.dialog->asked.back(), loads ? "open " + dir.Path("d.flg") : "open ");
                if (loads) {
                    w.window.textEdit()->undo();  // a load is a step of its own
                    QCOMPARE(w.Text(), "x\r\n");
                }
            }
        }
    }

    // Plain text, so that a header or a file name that looks like markup shows as it
    // is; the ordinary cursor while the box waits for the user in busy work.
    void realMessageBoxes() {
        const QtBusyCursor working;
        for (const auto& [icon, shown] : {std::pair{MessageIcon::kError, QMessageBox::Critical},
                                          {MessageIcon::kWarning, QMessageBox::Warning},
                                          {MessageIcon::kInformation, QMessageBox::Information}}) {
            QString seen;
            const ModalWatcher<QMessageBox> watcher([&](QMessageBox* box) {
                seen = QString("%1|%2|%3|%4|%5|%6")
                           .arg(box->text(), box->windowTitle())
                           .arg(box->icon())
                           .arg(box->buttons().size())
                           .arg(box->findChild<QLabel*>("qt_msgbox_label")->textFormat())
                           .arg(QGuiApplication::overrideCursor()->shape());
                box->button(QMessageBox::Ok)->click();
            });
            QtMessageBox(nullptr).Tell("<b>\xC3\xA9</b>\r\nb", "Title", icon);
            QCOMPARE(seen, QString::fromUtf16(u"<b>\u00E9</b>\nb|Title|%1|1|%2|%3")
                               .arg(shown)
                               .arg(Qt::PlainText)
                               .arg(Qt::ArrowCursor));
        }
        for (const auto& [button, choice] : {std::pair{QMessageBox::Save, SaveChoice::kSave},
                                             {QMessageBox::Discard, SaveChoice::kDiscard},
                                             {QMessageBox::Cancel, SaveChoice::kCancel}}) {
            const ModalWatcher<QMessageBox> watcher(
                [button = button](QMessageBox* box) { box->button(button)->click(); });
            QCOMPARE(QtMessageBox(nullptr).AskToSave("a", "T"), choice);
        }
    }

    // The open dialog opens on its file name, the save dialog in its folder, each
    // with the filters in their order and the ordinary cursor in busy work. A bare
    // name typed into the save dialog gets the filter's extension; a dialog
    // cancelled with a name typed chooses nothing.
    void realFileDialog() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        const QtBusyCursor working;
        test::TempDir dir;
        test::WriteBytes(dir.Path("start.flg"), "");
        std::filesystem::create_directory(dir.Path("s"));  // where the save dialog starts
        const auto path = [&](const char* name) { return QString::fromStdString(dir.Path(name)); };
        // The filters, the one selected, the accept and file modes and the cursor.
        const QString open = QString("Flag Files (*.flg)|All files (*)|Flag Files (*.flg)|%1|%2|%3")
                                 .arg(QFileDialog::AcceptOpen)
                                 .arg(QFileDialog::ExistingFile)
                                 .arg(Qt::ArrowCursor);
        const QString save = QString("Scenario File (*.scn)|Scenario File (*.scn)|%1|%2|%3")
                                 .arg(QFileDialog::AcceptSave)
                                 .arg(QFileDialog::AnyFile)
                                 .arg(Qt::ArrowCursor);
        const std::tuple<QString, Qt::Key, QString, QString> rows[] = {
            {"", Qt::Key_Return, path("start.flg"), open},
            {"noext", Qt::Key_Return, path("s/noext.scn"), save},
            {"name.txt", Qt::Key_Return, path("s/name.txt"), save},
            {"cancelled", Qt::Key_Escape, "", save}};
        for (const auto& [typed, key, chosen, shown] : rows) {
            QString seen;
            const ModalWatcher<QFileDialog> watcher([&, typed = typed, key = key](QFileDialog* d) {
                seen = (d->nameFilters() << d->selectedNameFilter()).join('|') +
                       QString("|%1|%2|%3")
                           .arg(d->acceptMode())
                           .arg(d->fileMode())
                           .arg(QGuiApplication::overrideCursor()->shape());
                auto* name = d->findChild<QLineEdit*>("fileNameEdit");
                if (!typed.isEmpty()) {
                    name->setText(typed);
                }
                QTest::keyClick(name, key);
            });
            QtFileDialog dialog(nullptr);
            const std::optional<std::filesystem::path> answer =
                shown == open ? dialog.AskOpen(dir.Path("start.flg"))
                              : dialog.AskSave(dir.Path("s"));
            QCOMPARE(answer ? QString::fromStdString(answer->string()) : "", chosen);
            QCOMPARE(seen, shown);
        }
    }

    // Qt's messages from while the application object is made come after it.
    void startupMessagesArePassedOn() {
        static QStringList seen;
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { seen << text; });
        std::optional<StartupMessages> starting(std::in_place);
        qWarning("held");
        seen << QString::number(seen.size());  // how many came through while it lived
        starting.reset();
        qWarning("after");
        qInstallMessageHandler(before);
        QCOMPARE(seen, QStringList({"0", "held", "after"}));
    }

    // 6555 by 5520 twips are 437 by 368 pixels at 96 dots to the inch. Lines do not
    // wrap, and every glyph is as wide as the next, whatever the font says of itself.
    void startSizeLayoutFontAndExit() {
        ScriptedWindow w(true);
        QPlainTextEdit* edit = w.window.textEdit();
        if (w.window.screen()->logicalDotsPerInchX() == 96 &&
            w.window.screen()->logicalDotsPerInchY() == 96) {
            QCOMPARE(edit->size(), QSize(437, 368));
        }
        // Both scroll bars, though there is no text.
        QVERIFY(edit->horizontalScrollBar()->isVisible() && edit->verticalScrollBar()->isVisible());
        w.window.resize(300, 200);
        QTest::keyClicks(edit, "#H\r<1 2 3>\r<4 5 6>");
        w.Trigger("mnuConvert");  // a scenario wider than the window
        QCoreApplication::processEvents();
        const int menu = w.window.menuBar()->geometry().bottom() + 1;
        QCOMPARE(edit->geometry(), QRect(0, menu, 300, 200 - menu));
        QVERIFY(edit->horizontalScrollBar()->maximum() > 0);
        // A scenario, and a file loaded, show their start.
        const auto at_start = [edit] {
            return edit->textCursor().position() == 0 && edit->verticalScrollBar()->value() == 0 &&
                   edit->verticalScrollBar()->maximum() > 0;
        };
        QVERIFY(at_start());
        QTest::keySequence(edit, QKeySequence::Undo);  // the scroll bar follows the text back
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
        QTest::keySequence(edit, QKeySequence::Redo);
        test::TempDir dir;
        std::string narrow;
        for (int i = 0; i < 100; ++i) {
            narrow += "#N\r\n";
        }
        test::WriteBytes(dir.Path("narrow.flg"), narrow);
        edit->moveCursor(QTextCursor::End);
        w.Trigger("mnuLoadFLG", dir.Path("narrow.flg"));  // and a new text's
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
        QVERIFY(at_start());
        QTest::keyClicks(edit, "x");
        QCOMPARE(edit->font().pointSize(), 9);
        QCOMPARE(QFontMetrics(edit->font()).horizontalAdvance('i'),
                 QFontMetrics(edit->font()).horizontalAdvance('W'));
        // A changed text asks first; Cancel keeps the window.
        for (const SaveChoice choice : {SaveChoice::kCancel, SaveChoice::kDiscard}) {
            w.messages->choice = choice;
            w.Trigger("mnuExit");
            QCOMPARE(w.window.isVisible(), choice == SaveChoice::kCancel);
        }
    }
};

}  // namespace flg2scn

QTEST_MAIN(flg2scn::WindowTest)
#include "window_test.moc"
