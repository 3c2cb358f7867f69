#include "qt/qt_message_box.h"

#include <QMessageBox>
#include <QString>

#include "qt/qt_cursors.h"
#include "qt/qt_text.h"

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

}  // namespace

QMessageBox::StandardButton QtMessageBox::show(std::string_view text, std::string_view title,
                                               QMessageBox::Icon icon,
                                               QMessageBox::StandardButtons buttons) {
    QString lines = ToQString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, ToQString(title), lines, buttons, parent_);
    // Plain text: a header or file name that looks like markup stays as it is.
    box.setTextFormat(Qt::PlainText);
    const QtDialogCursor idle;
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtMessageBox::Tell(std::string_view text, std::string_view title, MessageIcon icon) {
    show(text, title, IconFor(icon), QMessageBox::Ok);
}

SaveChoice QtMessageBox::AskToSave(std::string_view text, std::string_view title) {
    return SaveChoiceOf(show(text, title, QMessageBox::Warning,
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel),
                        QMessageBox::Save, QMessageBox::Discard);
}

}  // namespace flg2scn
