#include "ui/qt_file_dialog.h"

#include <QStringList>

#include "ui/busy_cursor.h"
#include "ui/file_names.h"

namespace flg2scn {

std::optional<std::filesystem::path> QtFileDialog::AskOpen(const std::filesystem::path& start) {
    // "All files" is "*": "*.*" would match only names with a dot in them. A start
    // name that ends in a file name selects that file.
    QFileDialog dialog(parent_, QString(), ToQString(start),
                       QStringLiteral("Flag Files (*.flg);;All files (*)"));
    // A dialog opens files unless told otherwise.
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ask(dialog);
}

std::optional<std::filesystem::path> QtFileDialog::AskSave(const std::filesystem::path& folder) {
    QFileDialog dialog(parent_, QString(), ToQString(folder),
                       QStringLiteral("Scenario File (*.scn)"));
    // Any name may be chosen unless told otherwise.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("scn"));
    return ask(dialog);
}

std::optional<std::filesystem::path> QtFileDialog::ask(QFileDialog& dialog) {
    const IdleCursor idle;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToPath(dialog.selectedFiles().constFirst());
}

}  // namespace flg2scn
