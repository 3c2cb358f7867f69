#include "commands/file_commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QtTest>
#include <filesystem>

#include "support/harbour.h"
#include "support/immutable_file.h"
#include "support/modal_watcher.h"
#include "support/scripted_form.h"
#include "support/temp_dir.h"
#include "ui/qt_file_dialog.h"

namespace flg2scn {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

using test::Q;
using test::ScriptedForm;

class FileCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void loadsLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF") << QByteArray("#A\r\n<1 2 3>\r\n") << "#A\r\n<1 2 3>\r\n";
        QTest::newRow("lone CR") << QByteArray("#A\r<1 2 3>\r") << "#A\r\n<1 2 3>\r\n";
        QTest::newRow("lone LF") << QByteArray("#A\n<1 2 3>\n") << "#A\n<1 2 3>\n\r\n";
        QTest::newRow("no final break") << QByteArray("#A\r\n<1 2 3>") << "#A\r\n<1 2 3>\r\n";
        QTest::newRow("empty file") << QByteArray() << "";
    }

    void loadsLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        TempDir dir;
        WriteBytes(dir.Path("a.flg"), bytes.toStdString());
        ScriptedForm w;
        w.SetText(u"before");
        w.Load(dir.Path("a.flg"));
        QCOMPARE(w.Text(), text);
        QVERIFY(w.messages->shown.empty());
        // The load is one edit: undo brings back what was there.
        w.form->textEdit()->undo();
        QCOMPARE(w.Text(), QStringLiteral("before"));
    }

    void loadConvertSaveGivesTheScenarioBytes() {
        TempDir dir;
        WriteBytes(dir.Path("harbour.flg"), "#Harbour\r\n<100 200 40>\r\n<1024 512 96>\r\n");
        ScriptedForm w;
        w.Load(dir.Path("harbour.flg"));
        w.Convert();
        w.Save(dir.Path("harbour.scn"));
        const std::u16string scenario(test::kHarbourScenario);
        QCOMPARE(ReadBytes(dir.Path("harbour.scn")),
                 std::string(scenario.begin(), scenario.end()) + "\r\n");
        QVERIFY(ReadBytes(dir.Path("harbour.scn")).ends_with("}\r\n\r\n"));
        QVERIFY(w.messages->shown.empty());
    }

    void everyByteButCrAndLfSurvivesLoadAndSave() {
        std::string bytes;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n') {
                bytes += static_cast<char>(b);
            }
        }
        TempDir dir;
        WriteBytes(dir.Path("all.flg"), bytes + "\r\n" + bytes + "\r\n");
        ScriptedForm w;
        w.Load(dir.Path("all.flg"));
        w.Save(dir.Path("all.scn"));
        // Save adds its own CR LF after the text.
        QCOMPARE(ReadBytes(dir.Path("all.scn")), bytes + "\r\n" + bytes + "\r\n\r\n");
    }

    void cancelWritesAndChangesNothing() {
        TempDir dir;
        WriteBytes(dir.Path("old.scn"), "old");
        ScriptedForm w;
        w.SetText(u"text");
        w.Load("");
        w.Save("");
        QCOMPARE(w.Text(), QStringLiteral("text"));
        QCOMPARE(ReadBytes(dir.Path("old.scn")), std::string("old"));
        QCOMPARE(w.dialog->shown.size(), std::size_t{2});
        QVERIFY(w.messages->shown.empty());
    }

    void emptyTextAreaSavesWithoutADialog() {
        ScriptedForm w;
        w.Save("/nowhere.scn");
        QVERIFY(w.dialog->shown.empty());
        QVERIFY(w.messages->shown.empty());
    }

    void theDialogRemembersNamesAndFilters() {
        TempDir dir;
        WriteBytes(dir.Path("a.flg"), "#A\r\n");
        ScriptedForm w;
        w.Load(dir.Path("a.flg"));
        w.Load(dir.Path("a.flg"));
        w.Save(dir.Path("b.scn"));
        w.Load("");
        const auto& shown = w.dialog->shown;
        QCOMPARE(shown.size(), std::size_t{4});
        QCOMPARE(Q(shown[0].filter), QStringLiteral("Flag Files|*.flg|All files|*.*"));
        QCOMPARE(Q(shown[0].start_name), QString());
        QCOMPARE(Q(shown[1].start_name), QString::fromStdString(dir.Path("a.flg")));
        QVERIFY(shown[2].save);
        QCOMPARE(Q(shown[2].filter), QStringLiteral("Scenario File|*.scn"));
        QCOMPARE(Q(shown[2].start_name), QString());
        QCOMPARE(Q(shown[3].start_name), QString::fromStdString(dir.Path("b.scn")));
    }

    void loadFailuresKeepTheText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.flg"
                                 << "No such file or directory";
        QTest::newRow("folder") << ""
                                << "Is a directory";
        QTest::newRow("device") << "/dev/null"
                                << "not a regular file";
        QTest::newRow("FIFO") << "fifo.flg"
                              << "not a regular file";
        QTest::newRow("over 64 MiB") << "huge.flg"
                                     << "the file is larger than 64 MiB";
    }

    void loadFailuresKeepTheText() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TempDir dir;
        QCOMPARE(::mkfifo(dir.Path("fifo.flg").c_str(), 0600), 0);
        WriteBytes(dir.Path("huge.flg"), "");
        std::filesystem::resize_file(dir.Path("huge.flg"), (std::uintmax_t{64} << 20) + 1);
        const std::string path =
            name.startsWith('/') ? name.toStdString() : dir.Path(name.toStdString());
        ScriptedForm w;
        w.SetText(u"kept");
        w.Load(path);
        QCOMPARE(w.Text(), QStringLiteral("kept"));
        QCOMPARE(w.OnlyMessage(),
                 "Cannot read file " + QString::fromStdString(path) + ":\r\n" + reason + ".");
        QCOMPARE(Q(w.messages->shown[0].title), QStringLiteral("Error"));
        QCOMPARE(w.messages->shown[0].icon, MessageIcon::kError);
    }

    void saveFailuresKeepTheOldFile() {
        TempDir dir;
        const std::string old = dir.Path("old.scn");
        WriteBytes(old, "old");
        std::string locked = "/sys/flg2scn-test.scn";  // refused even to root
        if (::geteuid() != 0) {
            std::filesystem::create_directory(dir.Path("locked"));
            std::filesystem::permissions(
                dir.Path("locked"),
                std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
            locked = dir.Path("locked/a.scn");
        }
        const struct {
            std::string path;
            std::u16string text;
            QString reason;
        } failures[] = {
            {"/dev/full", u"x", "No space left on device"},
            {dir.Path("missing/a.scn"), u"x", "No such file or directory"},
            {locked, u"x", "Permission denied"},
            {old, u"ok\r\n\u4E2D",
             "line 2, column 1: the character U+4E2D has no place in the "
             "Windows-1252 code page"},
        };
        for (const auto& failure : failures) {
            ScriptedForm w;
            w.SetText(failure.text);
            w.Save(failure.path);
            QCOMPARE(w.OnlyMessage(), "Cannot write file " + QString::fromStdString(failure.path) +
                                          ":\r\n" + failure.reason + ".");
            QCOMPARE(w.messages->shown[0].icon, MessageIcon::kError);
            QCOMPARE(w.Text(), Q(failure.text));
        }
        QCOMPARE(ReadBytes(old), std::string("old"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }

    void aBinaryFileLoadsAndDoesNotConvert() {
        std::string bytes;
        for (int i = 0; i < 4096; ++i) {
            const char byte = static_cast<char>((i * 7919) % 256);
            bytes += byte == '#' ? '\0' : byte;
        }
        TempDir dir;
        WriteBytes(dir.Path("binary.flg"), bytes);
        ScriptedForm w;
        w.Load(dir.Path("binary.flg"));
        const QString loaded = w.Text();
        QVERIFY(!loaded.isEmpty());
        w.Convert();
        QCOMPARE(w.OnlyMessage(), QStringLiteral("No # header."));
        QVERIFY(w.Text().startsWith(loaded));
    }

    void aRefusedRenameKeepsTheOldFile() {
        TempDir dir;
        WriteBytes(dir.Path("old.scn"), "old");
        const test::ImmutableFile locked(dir.Path("old.scn"));
        if (!locked.ok()) {
            QSKIP(("the immutable mark cannot be set here: " + locked.error).c_str());
        }
        ScriptedForm w;
        w.SetText(u"new");
        w.Save(dir.Path("old.scn"));
        QCOMPARE(w.OnlyMessage(), "Cannot write file " +
                                      QString::fromStdString(dir.Path("old.scn")) +
                                      ":\r\nOperation not permitted.");
        QCOMPARE(ReadBytes(dir.Path("old.scn")), std::string("old"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }

    void droppingAFileLoadsIt() {
        TempDir dir;
        WriteBytes(dir.Path("d.flg"), "#Dropped\r\n");
        ScriptedForm w;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.Path("d.flg")))});
        QWidget* viewport = w.form->textEdit()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(w.Text(), QStringLiteral("#Dropped\r\n"));
        QCOMPARE(Q(w.dialog->FileName()), QString::fromStdString(dir.Path("d.flg")));

        // Dropped text is no file: the text area inserts it itself.
        QMimeData text;
        text.setText(QStringLiteral("typed"));
        QDragEnterEvent text_enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton,
                                   Qt::NoModifier);
        QApplication::sendEvent(viewport, &text_enter);
        QDropEvent text_drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &text_drop);
        QVERIFY(w.Text().contains(QStringLiteral("typed")));
        QVERIFY(w.Text().contains(QStringLiteral("#Dropped")));
    }

    void theRealDialogTakesATypedName() {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        TempDir dir;
        const QString typed = QString::fromStdString(dir.Path("typed.scn"));
        QString filter;
        const test::ModalWatcher<QFileDialog> watcher([&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name != nullptr) {
                name->setText(typed);
                QTest::keyClick(name, Qt::Key_Return);  // as the user accepts it
            }
        });
        QtFileDialog dialog(nullptr);
        dialog.SetFilter(u"Scenario File|*.scn");
        dialog.ShowSave();
        QVERIFY(watcher.handled());
        QCOMPARE(Q(dialog.FileName()), typed);
        QCOMPARE(filter, QStringLiteral("Scenario File (*.scn)"));
    }
};

}  // namespace flg2scn

QTEST_MAIN(flg2scn::FileCommandsTest)
#include "file_commands_test.moc"
