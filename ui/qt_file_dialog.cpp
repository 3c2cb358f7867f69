#include "ui/qt_file_dialog.h"

#include <QStringList>

#include "ui/busy_cursor.h"

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

namespace {

// "scn" for a filter "Scenario File (*.scn)"; nothing for "All files (*)".
QString Extension(const QString& filter) {
    const QString pattern = filter.section(u'(', -1).chopped(1);
    return pattern.startsWith(QStringLiteral("*.")) && !pattern.contains(u' ') ? pattern.mid(2)
                                                                               : QString();
}

}  // namespace

void QtFileDialog::Show(QFileDialog::AcceptMode mode) {
    const QString filters = QString::fromStdU16String(QtFilters(filter_));
    // A start name that ends in a file name selects that file.
    QFileDialog dialog(parent_, QString(), QString::fromStdU16String(file_name_), filters);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) {
        // The dialog starts on the first filter; the program saves with one only.
        dialog.setDefaultSuffix(Extension(filters.section(QStringLiteral(";;"), 0, 0)));
    }
    const IdleCursor idle;
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    file_name_ = chosen ? dialog.selectedFiles().constFirst().toStdU16String() : u"";
}

void QtFileDialog::ShowOpen() {
    Show(QFileDialog::AcceptOpen);
}

void QtFileDialog::ShowSave() {
    Show(QFileDialog::AcceptSave);
}

}  // namespace flg2scn
