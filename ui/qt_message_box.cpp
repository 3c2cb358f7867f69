#include "ui/qt_message_box.h"

#include <QMessageBox>
#include <QString>

#include "ui/busy_cursor.h"

namespace flg2scn {

namespace {

QMessageBox::Icon IconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kError:
            return QMessageBox::Critical;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
        case MessageIcon::kInformation:
            break;
    }
    return QMessageBox::Information;
}

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtMessageBox::Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) {
    QString lines = ToQString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconFor(icon), ToQString(title), lines, QMessageBox::Ok, parent_);
    // Plain text: a header or file name that looks like markup stays as it is.
    box.setTextFormat(Qt::PlainText);
    const IdleCursor idle;
    box.exec();
}

}  // namespace flg2scn
