#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

#include "support/harbour.h"
#include "support/modal_watcher.h"
#include "support/scripted_form.h"
#include "ui/qt_message_box.h"
#include "ui/qt_text_area.h"

Q_DECLARE_METATYPE(flg2scn::MessageIcon)

namespace flg2scn {

using test::Message;

using test::Q;
using test::ScriptedForm;

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void menusInOrderWithCaptionsAndKeys() {
        ScriptedForm w;
        const QList<QAction*> top = w.form->menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[0]->text(), QStringLiteral("&File"));
        QCOMPARE(top[0]->objectName(), QStringLiteral("mnuFile"));
        QCOMPARE(top[1], w.Action("mnuConvert"));
        QCOMPARE(top[1]->text(), QStringLiteral("&Convert It"));
        QVERIFY(top[1]->menu() == nullptr);
        QCOMPARE(top[2], w.Action("mnuAbout"));
        QCOMPARE(top[2]->text(), QStringLiteral("&About"));

        const QList<QAction*> file = top[0]->menu()->actions();
        QCOMPARE(file.size(), 4);
        QCOMPARE(file[0], w.Action("mnuLoadFLG"));
        QCOMPARE(file[0]->text(), QStringLiteral("&Load .FLG"));
        QCOMPARE(file[0]->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(file[1], w.Action("mnuSaveSCN"));
        QCOMPARE(file[1]->text(), QStringLiteral("&Save .SCN"));
        QCOMPARE(file[1]->shortcut(), QKeySequence(QKeySequence::Save));
        QVERIFY(file[2]->isSeparator());
        QCOMPARE(file[2]->objectName(), QStringLiteral("mnuDash1"));
        QCOMPARE(file[3], w.Action("mnuExit"));
        QCOMPARE(file[3]->text(), QStringLiteral("E&xit"));
        QCOMPARE(file[3]->shortcut(), QKeySequence(QKeySequence::Quit));

        QCOMPARE(w.form->windowTitle(), QStringLiteral("Tovrin's Flag to Scenario Converter"));
    }

    void convertsTypedFlagText() {
        ScriptedForm w;
        QPlainTextEdit* text1 = w.form->textEdit();
        QVERIFY(text1->toPlainText().isEmpty());
        QTest::keyClicks(text1, QStringLiteral("#Harbour"));
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, QStringLiteral("<100 200 40>"));
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, QStringLiteral("<1024 512 96>"));
        w.Convert();
        QVERIFY(w.messages->shown.empty());
        QCOMPARE(w.Text(), Q(test::kHarbourScenario));
    }

    void convertSeesEditsMadeAfterAFailure() {
        ScriptedForm w;
        QPlainTextEdit* text1 = w.form->textEdit();
        QTest::keyClicks(text1, QStringLiteral("#Harbour"));
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(text1, QStringLiteral("<100 200 40>"));
        w.Convert();
        QCOMPARE(w.OnlyMessage(), QStringLiteral("Incorrect number of flag locations."));
        text1->moveCursor(QTextCursor::End);
        QTest::keyClicks(text1, QStringLiteral("<1024 512 96>"));
        w.Convert();
        QCOMPARE(w.messages->shown.size(), std::size_t{1});
        QCOMPARE(w.Text(), Q(test::kHarbourScenario));
    }

    void convertMessages_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<MessageIcon>("icon");
        QTest::newRow("empty") << ""
                               << "Nothing to convert!"
                               << "Error" << MessageIcon::kError;
        QTest::newRow("no header") << "<1 2 3>\r\n<4 5 6>"
                                   << "No # header."
                                   << "Error" << MessageIcon::kWarning;
        QTest::newRow("one flag") << "#H\r\n<1 2 3>"
                                  << "Incorrect number of flag locations."
                                  << "Error" << MessageIcon::kWarning;
        QTest::newRow("bad flag") << "#H\r\n<1>\r\n<4 5 6>"
                                  << "An error occurred while proccessing the flag data."
                                  << "Error!" << MessageIcon::kError;
    }

    void convertMessages() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(MessageIcon, icon);
        ScriptedForm w;
        w.SetText(text.toStdU16String());
        w.Convert();
        const std::vector<Message> expected{
            {message.toStdU16String(), title.toStdU16String(), icon}};
        QVERIFY(w.messages->shown == expected);
    }

    void realMessageBoxShowsTextTitleIconAndOneButton() {
        QString text, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        const test::ModalWatcher<QMessageBox> watcher([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        QtMessageBox(nullptr).Tell(u"Program by Tovrin.\r\nMany thanks to Greyfallow for his help.",
                                   u"About", MessageIcon::kInformation);
        QVERIFY(watcher.handled());
        QCOMPARE(text,
                 QStringLiteral("Program by Tovrin.\nMany thanks to Greyfallow for his help."));
        QCOMPARE(title, QStringLiteral("About"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, 1);
    }

    void textMapping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lines") << "a\r\nb\r\n" << u"a\u2029b\u2029"_qs;
        QTest::newRow("lone CR") << "a\rb\r" << u"a\u240Db\u240D"_qs;
        QTest::newRow("lone LF") << "a\nb\n\r" << u"a\u240Ab\u240A\u240D"_qs;
        QTest::newRow("LF CR") << "\n\r\n\r" << u"\u240A\u2029\u240D"_qs;
        QTest::newRow("no-break space") << u"a\u00A0b"_qs << u"a\u00A0b"_qs;
        QTest::newRow("tab") << "a\tb"
                             << "a\tb";
        QTest::newRow("NUL") << QString(QChar(u'\0')) + "x" << QString(QChar(u'\0')) + "x";
    }

    void textMapping() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QPlainTextEdit edit;
        QtTextArea area(&edit);
        area.SetText(text.toStdU16String());
        QCOMPARE(edit.document()->toRawText(), shown);
        QCOMPARE(Q(area.Text()), text);
    }

    void lineSeparatorAndTypedBreaksReadAsCrLf() {
        QPlainTextEdit edit;
        QTest::keyClicks(&edit, QStringLiteral("a"));
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);  // U+2028
        QTest::keyClicks(&edit, QStringLiteral("b"));
        QTest::keyClick(&edit, Qt::Key_Return);
        QTest::keyClicks(&edit, u"c\u00A0"_qs);
        QCOMPARE(Q(QtTextArea(&edit).Text()), u"a\r\nb\r\nc\u00A0"_qs);
    }

    void undoAfterConvertRestoresTheText() {
        const std::u16string typed[] = {u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>",
                                        std::u16string(test::kHarbourFlags), u"#H\r\n<1 2 3>"};
        for (const auto& text : typed) {
            ScriptedForm w;
            w.SetText(text);
            w.Convert();
            QVERIFY(w.Text() != Q(text));
            w.form->textEdit()->undo();
            QCOMPARE(w.Text(), Q(text));
        }
    }

    void startSizeAndTextAreaFillingTheClientArea() {
        ScriptedForm w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        const QScreen* screen = w.form->screen();
        QPlainTextEdit* text1 = w.form->textEdit();
        QCOMPARE(text1->size(), QSize(qRound(6555 * screen->logicalDotsPerInchX() / 1440),
                                      qRound(5520 * screen->logicalDotsPerInchY() / 1440)));
        for (const QSize size : {QSize(700, 500), QSize(300, 200), QSize(1000, 800)}) {
            w.form->resize(size);
            QCoreApplication::processEvents();
            const int menu = w.form->menuBar()->geometry().bottom() + 1;
            QCOMPARE(text1->geometry(), QRect(0, menu, size.width(), size.height() - menu));
        }
        QCOMPARE(text1->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(text1->font().pointSize(), 9);
        QVERIFY(QFontInfo(text1->font()).fixedPitch());
    }

    void about() {
        ScriptedForm w;
        w.Action("mnuAbout")->trigger();
        const std::vector<Message> expected{
            {u"Program by Tovrin.\r\nMany thanks to Greyfallow for his help.", u"About",
             MessageIcon::kInformation}};
        QVERIFY(w.messages->shown == expected);
    }

    void exitClosesTheWindow() {
        ScriptedForm w;
        w.SetText(u"unsaved");
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        w.Action("mnuExit")->trigger();
        QVERIFY(!w.form->isVisible());
        QVERIFY(w.messages->shown.empty());
    }
};

}  // namespace flg2scn

QTEST_MAIN(flg2scn::Form1Test)
#include "form1_test.moc"
