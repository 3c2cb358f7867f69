#include "ui/qt_file_dialog.h"

#include <QStringList>

namespace flg2scn {

std::u16string QtFilters(std::u16string_view filter) {
    const QStringList parts = QString::fromStdU16String(std::u16string(filter)).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" matches every name where the filter comes from, but here only names
        // with a dot in them.
        const QString pattern =
            parts[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parts[i + 1];
        filters << parts[i] + QStringLiteral(" (") + pattern + u')';
    }
    return filters.join(QStringLiteral(";;")).toStdU16String();
}

void QtFileDialog::Show(Picker pick) {
    const QString filters = QString::fromStdU16String(QtFilters(filter_));
    QString first = filters.section(QStringLiteral(";;"), 0, 0);
    // No default extension: the name is taken as the user gives it.
    file_name_ = pick(parent_, QString(), QString::fromStdU16String(file_name_), filters, &first,
                      QFileDialog::Options())
                     .toStdU16String();
}

void QtFileDialog::ShowOpen() {
    Show(&QFileDialog::getOpenFileName);
}

void QtFileDialog::ShowSave() {
    Show(&QFileDialog::getSaveFileName);
}

}  // namespace flg2scn
