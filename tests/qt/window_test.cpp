#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "qt/main_window.h"
#include "qt/qt_cursors.h"
#include "qt/qt_file_dialog.h"
#include "qt/qt_message_box.h"
#include "qt/qt_text.h"
#include "qt/startup_messages.h"
#include "qt/text_area/selection_mime_data.h"
#include "qt/text_area/symbol_names.h"
#include "qt/text_area/text_edit.h"
#include "qt/text_area/widget_text.h"
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
        // The menu's entries as drawn, each with its shortcut.
        for (const MenuEntry& entry : kMenuEntries) {
            const auto u = [](std::string_view text) {
                return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            };
            const QAction* action = w.window.findChild<QAction*>(u(entry.name));
            QCOMPARE(action->text(), entry.action == MenuAction::kNone ? "" : u(entry.caption));
            QCOMPARE(action->shortcut(), QKeySequence(u(ShortcutText(entry.shortcut))));
        }
        // The window, then in order the menu bar's entries and the File menu's.
        QString order = w.window.objectName() + w.window.windowTitle();
        const QList<QAction*> bar = w.window.menuBar()->actions();
        for (const QAction* action : bar + bar.constFirst()->menu()->actions()) {
            order += ' ' + action->objectName() + (action->isSeparator() ? "-" : "");
        }
        QCOMPARE(order,
                 "Form1Tovrin's Flag to Scenario Converter mnuFile mnuConvert mnuAbout "
                 "mnuLoadFLG mnuSaveSCN mnuDash1- mnuExit");
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

    // A lone CR or LF cannot stand in the document: a symbol shows it instead. A
    // long line shows in pieces and many lines go a few to a block, so that the
    // widget lays them out quickly. The text reads back as it was.
    void textMapping() {
        const QString piece(WidgetText::kPieceLength, 'a');
        const QString most = QString("ab\r\n").repeated(WidgetText::kGroupedAbove);
        const QString many = most + "ab\r\n";
        const QString lows(2, QChar(0xDC00));
        const std::pair<QString, QString> samples[] = {
            {"a\r\nb\r\n", u"a\u2029b\u2029"_qs},
            {"a\rb\r", u"a\u240Db\u240D"_qs},
            {"a\nb\n\r", u"a\u240Ab\u240A\u240D"_qs},
            {"\n\r\n\r", u"\u240A\u2029\u240D"_qs},
            {QString(QChar(u'\0')) + "\t", u"\u2400\t"_qs},
            {piece + "\r\n" + piece + "\r", piece + u"\u2029"_qs + piece + u"\u2029\u240D"_qs},
            {piece + piece + "\nb", piece + u"\u2029"_qs + piece + u"\u2029\u240Ab"_qs},
            {piece.left(piece.size() - 1) + u"\U0010FFFF"_qs,  // the last pair of all
             piece.left(piece.size() - 1) + u"\U0010FFFF"_qs},
            {piece + lows, piece + u"\u2029"_qs + lows},  // not pairs: cut as any character
            {most, QString("ab\u2029").repeated(WidgetText::kGroupedAbove)},
            {many, (QString("ab\u2028").repeated(WidgetText::kLinesPerBlock - 1) + "ab\u2029")
                           .repeated(many.size() / 4 /
                                     static_cast<qsizetype>(WidgetText::kLinesPerBlock)) +
                       "ab\u2028"},
            // Grouped, a line is pieced from its own start; a block ends at a line break.
            {"ab\r\n" + piece + "cd\r\n" + many,
             u"ab\u2028"_qs + piece + u"\u2029cd\u2028ab\u2028"_qs}};
        for (const auto& [text, shown] : samples) {
            QPlainTextEdit edit;
            QtTextArea area(&edit);
            area.SetText(text.toStdU16String());
            const QString raw = edit.document()->toRawText();
            QCOMPARE(text.size() > many.size() ? raw.left(shown.size()) : raw, shown);  // its start
            QCOMPARE(Q(area.Text()), text);
        }
    }

    // Keys at the piece ends of a line in three pieces act on the line as if it were
    // whole; the end of a piece and the start of the next are one place in the text.
    void editingOverAPieceEnd() {
        const int piece = static_cast<int>(WidgetText::kPieceLength);
        const QString a = QString(piece, 'a').repeated(2);  // two pieces, then "bc" in a third
        const int end = 2 * piece + 1;                      // the second piece's end
        const QString shorter = a.left(2 * piece - 1);
        using K = QKeySequence;
        // clang-format off
        const std::tuple<std::vector<int>, std::vector<K>, QString> rows[] = {
            {{end, end + 1}, {Qt::Key_Backspace, Qt::Key_X}, shorter + "xbc\r\n"},
            {{end, end + 1}, {K::Delete, Qt::Key_X}, a + "xc\r\n"},
            {{piece, piece + 1}, {K::Delete}, shorter + "bc\r\n"},
            {{piece}, {K::Delete, Qt::Key_X, K::Undo}, shorter + "bc\r\n"},
            {{end, end + 1}, {Qt::Key_Return, Qt::Key_X}, a + "\r\nxbc\r\n"},
            {{end - 1}, {Qt::Key_Right, Qt::Key_Right, Qt::Key_X}, a + "bxc\r\n"},
            {{end + 2}, {Qt::Key_Left, Qt::Key_Left, Qt::Key_X}, shorter + "xabc\r\n"},
            {{end + 3}, {Qt::Key_Left, Qt::Key_X}, a + "bxc\r\n"},
            {{end + 2}, {K::MoveToStartOfLine, Qt::Key_X}, "x" + a + "bc\r\n"},
            {{2}, {K::InsertLineSeparator, K::MoveToEndOfLine, K::MoveToStartOfLine, Qt::Key_X},
             "aa\r\nx" + a.mid(2) + "bc\r\n"},
            {{1}, {K::MoveToEndOfLine, Qt::Key_X}, a + "bcx\r\n"},
            {{end + 1}, {K::Paste}, a + "x\r\ny\r\nzbc\r\n"},
            {{end + 1}, {K::Paste, K::Undo}, a + "bc\r\n"},
            // What was copied or cut stays so after the text changes.
            {{end - 1}, {K::SelectNextChar, K::SelectNextChar, K::Copy, K::Delete,
                         K::MoveToEndOfLine, K::Paste}, shorter + "cab\r\n"},
            {{end - 1}, {K::SelectNextChar, K::SelectNextChar, K::Cut, K::MoveToEndOfLine,
                         K::Paste}, shorter + "cab\r\n"},
            {{end - 1}, {K::SelectNextChar, K::SelectNextChar, K::Copy, Qt::Key_X,
                         K::MoveToEndOfLine, K::Paste}, shorter + "xcab\r\n"},
            {{end - 1}, {K::SelectNextChar, K::SelectNextChar, K::Copy, K::Undo, K::Paste}, "ab"},
            // A copy that ends where a line starts has the line break before it.
            {{end + 1}, {K::SelectEndOfDocument, K::Copy, K::MoveToStartOfDocument, K::Paste},
             "bc\r\n" + a + "bc\r\n"}};
        // clang-format on
        for (const auto& [places, keys, text] : rows) {
            for (const int at : places) {
                TextEdit edit;
                QtTextArea area(&edit);
                area.SetText((a + "bc\r\n").toStdU16String());
                QTextCursor cursor = edit.textCursor();
                cursor.setPosition(at);
                edit.setTextCursor(cursor);
                QGuiApplication::clipboard()->setText("x\r\ny\nz");
                for (const K& key : keys) {
                    QTest::keySequence(&edit, key);
                }
                QCOMPARE(Q(area.Text()), text);
            }
        }
        // A Delete or Backspace over a piece end is one step to undo.
        for (const auto& [at, key] :
             {std::pair{piece, K(K::Delete)}, {end + 1, K(Qt::Key_Backspace)}}) {
            TextEdit edit;
            QtTextArea area(&edit);
            area.SetText((a + "bc\r\n").toStdU16String());
            const QString raw = edit.document()->toRawText();
            QTextCursor cursor = edit.textCursor();
            cursor.setPosition(at);
            edit.setTextCursor(cursor);
            QTest::keySequence(&edit, key);
            QTest::keySequence(&edit, K::Undo);
            QCOMPARE(edit.document()->toRawText(), raw);
        }
        // An input method's text is typed text too.
        TextEdit edit;
        QtTextArea area(&edit);
        area.SetText(u"ab\r\n");
        edit.selectAll();
        edit.copy();
        QInputMethodEvent commit;
        commit.setCommitString("x");
        QApplication::sendEvent(&edit, &commit);
        QCOMPARE(Q(area.Text()) + QGuiApplication::clipboard()->text(), "xab\n");
        // A read-only text takes none of the keys that the widget handles itself.
        edit.setReadOnly(true);
        area.SetText(u"ab\r\ncd\r\n");
        QTextCursor line_break(edit.document());
        line_break.setPosition(3);
        line_break.setPosition(2, QTextCursor::KeepAnchor);
        edit.setTextCursor(line_break);
        for (const QKeySequence& key :
             {QKeySequence(QKeySequence::Cut), QKeySequence(Qt::Key_Delete),
              QKeySequence(Qt::Key_Return)}) {
            QTest::keySequence(&edit, key);
        }
        QCOMPARE(Q(area.Text()), "ab\r\ncd\r\n");
    }

    // A long copy is made while the window waits for keys, so that it stays right
    // over a change that does not go through the widget's keys.
    void aLongCopyIsMadeWhileIdle() {
        const QString lines = QString("ab\r\n").repeated(300'000);
        const QString text = lines + QString(3000, 'c') + "\r\n" + lines;
        // Where the selection starts and how far before the end it ends, in the
        // document, where a CR LF is one place; then the same in the text.
        const std::tuple<int, int, int, int> rows[] = {{0, 0, 0, 0}, {5, 3, 6, 4}};
        for (const auto& [start, before_end, skipped, cut] : rows) {
            TextEdit edit;
            QtTextArea area(&edit);
            area.SetText(text.toStdU16String());
            QTextCursor cursor = edit.textCursor();
            cursor.setPosition(start);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, before_end);
            edit.setTextCursor(cursor);
            edit.copy();
            const auto* offer =
                qobject_cast<const SelectionMimeData*>(QGuiApplication::clipboard()->mimeData());
            QVERIFY(offer != nullptr);
            QTRY_VERIFY_WITH_TIMEOUT(offer->made(), 10'000);
            // Once made, it asks for no more idle time.
            struct Calls : QObject {
                int count = 0;
                bool eventFilter(QObject*, QEvent* event) override {
                    count += event->type() == QEvent::MetaCall ? 1 : 0;
                    return false;
                }
            } calls;
            const_cast<SelectionMimeData*>(offer)->installEventFilter(&calls);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QCOMPARE(calls.count, 0);
            QTextCursor(edit.document()).insertText("x");
            QString copied = text.mid(skipped);
            copied.chop(cut);
            QCOMPARE(QGuiApplication::clipboard()->text(), copied.replace("\r\n", "\n"));
            QVERIFY(offer->data("text/html").isEmpty());  // plain text only
        }
    }

    // The symbols for a lone CR and LF are drawn as what they stand for, whatever
    // glyphs the fonts have: each unlike the other and unlike an empty text.
    void symbolsAreDrawn() {
        QList<QImage> shots;
        // The fifth is a plain widget: an ordinary character shows as it would there.
        // The sixth is selected: only then is a symbol drawn in the selection's colour.
        for (const std::u16string& text :
             std::initializer_list<std::u16string>{u"", u"\r", u"\n", u"x", u"x", u"\r"}) {
            std::unique_ptr<QPlainTextEdit> edit(shots.size() == 4 ? new QPlainTextEdit
                                                                   : new TextEdit);
            edit->setReadOnly(true);  // no blinking text cursor
            QtTextArea(edit.get()).SetText(text);
            if (shots.size() == 5) {
                edit->selectAll();
            }
            edit->resize(120, 60);
            edit->show();
            QVERIFY(QTest::qWaitForWindowExposed(edit.get()));
            shots << edit->viewport()->grab().toImage();
        }
        QVERIFY(shots[1] != shots[0] && shots[2] != shots[0] && shots[1] != shots[2]);
        QVERIFY(shots[3] == shots[4] && shots[3] != shots[0]);
        // The first letter of a name stands in the upper half of the line.
        const QRect upper(0, 0, 120, 4 + TextEdit().fontMetrics().height() / 2 - 1);
        QVERIFY(shots[1].copy(upper) != shots[0].copy(upper));
        const QRgb selection = TextEdit().palette().color(QPalette::Highlight).rgb();
        const auto shows = [&](QImage shot) {  // how many pixels have that colour
            shot = shot.convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
            const auto* end = pixels + shot.sizeInBytes() / qsizetype{sizeof(QRgb)};
            return static_cast<int>(std::count(pixels, end, selection));
        };
        // More than the slivers that Qt's own highlight leaves at a cell's edges.
        QVERIFY(shows(shots[1]) == 0 && shows(shots[5]) > 2 * TextEdit().fontMetrics().height());
    }

    // Characters that no font has a glyph for, whatever fonts there are.
    void symbolNames() {
        const QString high(QChar(0xD800));  // a surrogate without its other half
        // clang-format off
        const std::tuple<QString, qsizetype, QString, int> rows[] = {
            {u"\u240D"_qs, 0, "CR", 1}, {u"\u240A"_qs, 0, "LF", 1}, {u"\u2400"_qs, 0, "00", 1},
            {u"a\u0081"_qs, 1, "81", 1}, {"a", 0, "", 1}, {u"\u2028"_qs, 0, "", 1},
            {u"\U000E01F0"_qs, 0, "E01F0", 2}, {u"\U000E01F0"_qs, 1, "DDF0", 1},
            {high + "a", 0, "D800", 1}, {"a" + high, 1, "D800", 1}};
        // clang-format on
        const QFontMetricsF metrics(TextEdit().font());
        for (const auto& [text, at, name, length] : rows) {
            int got = 0;
            QCOMPARE(SymbolName(metrics, text, at, got), name);
            QCOMPARE(got, length);
        }
    }

    // A name from the command line or a drop keeps its bytes, UTF-8 or not.
    void fileNamesKeepTheirBytes() {
        const char* const argv[] = {"flg2scn", "\xff.flg", "a.flg"};
        QVERIFY(ArgumentPath(3, argv, QString::fromLocal8Bit(argv[1])) ==
                std::filesystem::current_path() / "\xff.flg");
        QVERIFY(ToPath(QUrl::fromEncoded("file:///tmp/%FF%C3%A9.flg")) == "/tmp/\xff\xc3\xa9.flg");
    }

    // A file dropped on the text or anywhere else on the window loads once the drop
    // has ended; dropped text is inserted by the text area itself.
    void dropsOnTheWindow() {
        test::TempDir dir;
        test::WriteBytes(dir.Path("d.flg"), "#Dropped\r\n");
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.Path("d.flg")))});
        QMimeData text;
        text.setText("typed");
        for (const bool on_menu_bar : {true, false}) {
            for (QMimeData* data : {&file, &text}) {
                ScriptedWindow w(true);
                QTest::keyClicks(w.window.textEdit(), "x");
                w.Trigger("mnuConvert");  // appends CR LF, then tells "No # header."
                QWidget* target = on_menu_bar ? static_cast<QWidget*>(w.window.menuBar())
                                              : w.window.textEdit()->viewport();
                const QPoint at = target->mapTo(&w.window, QPoint(40, 5));
                QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w.window.windowHandle(), &enter);
                const bool loads = data == &file;
                QCOMPARE(enter.isAccepted(), loads || !on_menu_bar);
                QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w.window.windowHandle(), &drop);
                QCOMPARE(w.Text(), on_menu_bar || loads ? "x\r\n" : "xtyped\r\n");  // nothing yet
                QCoreApplication::processEvents();
                QCOMPARE(w.Text(), loads ? "#Dropped\r\n" : on_menu_bar ? "x\r\n" : "xtyped\r\n");
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
        // The filters, the one selected, the accept mode and the cursor.
        const QString open = QString("Flag Files (*.flg)|All files (*)|Flag Files (*.flg)|%1|%2")
                                 .arg(QFileDialog::AcceptOpen)
                                 .arg(Qt::ArrowCursor);
        const QString save = QString("Scenario File (*.scn)|Scenario File (*.scn)|%1|%2")
                                 .arg(QFileDialog::AcceptSave)
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
                       QString("|%1|%2")
                           .arg(d->acceptMode())
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
        QTest::keySequence(edit, QKeySequence::Undo);  // the scroll bar follows the text back
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
        QTest::keySequence(edit, QKeySequence::Redo);
        test::TempDir dir;
        test::WriteBytes(dir.Path("narrow.flg"), "#N\r\n");
        w.Trigger("mnuLoadFLG", dir.Path("narrow.flg"));  // and a new text's
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
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
