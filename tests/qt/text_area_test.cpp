#include <QtTest>
#include <QtWidgets>

#include "qt/text_area/qt_text_area.h"
#include "qt/text_area/selection_mime_data.h"
#include "qt/text_area/symbol_names.h"
#include "qt/text_area/text_edit.h"
#include "qt/text_area/widget_text.h"

namespace flg2scn {

QString Q(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

// The text area: how its document holds a text, editing over the pieces of a
// long line, copying, and the symbols drawn for control characters.
class TextAreaTest : public QObject {
    Q_OBJECT

  private slots:
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
            {QString(QChar(u'\0')) + "\t\x01\x7F", u"\u2400\t\u2401\u2421"_qs},
            // The text's own symbol and line separator look alike and read apart.
            {u"\u240A\n\u2028\r\n"_qs, u"\u240A\u240A\u2028\u2029"_qs},
            {piece + "\r\n" + piece + "\r", piece + u"\u2029"_qs + piece + u"\u2029\u240D"_qs},
            {piece + piece + "\nb", piece + u"\u2029"_qs + piece + u"\u2029\u240Ab"_qs},
            {piece.left(piece.size() - 1) + u"\U0010FFFF"_qs,  // the last pair of all
             piece.left(piece.size() - 1) + u"\U0010FFFF"_qs},
            {piece.left(piece.size() - 1) + u"\U00010000"_qs,  // and the first
             piece.left(piece.size() - 1) + u"\U00010000"_qs},
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

    // A symbol or line separator that is typed or pasted stays that character, and
    // a copy gives it so; the control characters of the text copy as themselves.
    // What is typed after such a character is the user's as before: Shift+Enter
    // breaks the line. The text's own symbol is drawn by the font, not by name.
    void ownCharacters() {
        TextEdit edit;
        QtTextArea area(&edit);
        area.SetText(u"a\nb");
        edit.moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(u"\u240A\u2028"_qs);
        QTest::keySequence(&edit, QKeySequence::Paste);
        for (const QString& typed : {u"\u240D"_qs, u"c"_qs}) {  // by a keyboard that has ␍
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(&edit, &key);
        }
        QTest::keySequence(&edit, QKeySequence::InsertLineSeparator);
        QCOMPARE(Q(area.Text()), u"a\nb\u240A\u2028\u240Dc\r\n"_qs);
        edit.selectAll();
        edit.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"a\nb\u240A\u2028\u240Dc\n"_qs);
        QTest::keySequence(&edit, QKeySequence::Undo);  // the line break
        QTest::keySequence(&edit, QKeySequence::Undo);  // then the typed c and symbol
        QCOMPARE(Q(area.Text()), u"a\nb\u240A\u2028"_qs);
        const QFontMetricsF metrics(edit.font());
        int length = 0;
        QVERIFY(SymbolName(metrics, u"\u240A"_qs, 0, length, true) != "LF");
    }

    // A copy too long to keep for the X selection is still kept for the
    // clipboard: an edit at once after it leaves the copy as it was.
    void aLongCopyKeepsItsText() {
        TextEdit edit;
        QtTextArea area(&edit);
        const QString text(70'000, 'a');
        area.SetText(text.toStdU16String());
        edit.selectAll();
        edit.copy();
        QTest::keyClick(&edit, Qt::Key_X);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
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
        // An input method's text is typed text too, a symbol in it the text's own.
        TextEdit edit;
        QtTextArea area(&edit);
        area.SetText(u"ab\r\n");
        edit.selectAll();
        edit.copy();
        QInputMethodEvent commit;
        commit.setCommitString(u"x\u240D"_qs);
        QApplication::sendEvent(&edit, &commit);
        QCOMPARE(Q(area.Text()) + QGuiApplication::clipboard()->text(), u"x\u240Dab\n"_qs);
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

    // Characters that no font has a glyph for, whatever fonts there are; a
    // control's symbol by the control's name.
    void symbolNames() {
        const QString high(QChar(0xD800));  // a surrogate without its other half
        // clang-format off
        const std::tuple<QString, qsizetype, QString, int> rows[] = {
            {u"\u240D"_qs, 0, "CR", 1}, {u"a\u0081"_qs, 1, "81", 1}, {"a", 0, "", 1}, {u"\u2028"_qs, 0, "", 1},
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
};

}  // namespace flg2scn

QTEST_MAIN(flg2scn::TextAreaTest)
#include "text_area_test.moc"
