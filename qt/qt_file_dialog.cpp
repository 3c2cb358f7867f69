#include "qt/qt_file_dialog.h"

#include <QStringList>

#include "commands/window_layout.h"
#include "qt/qt_cursors.h"
#include "qt/qt_text.h"

namespace flg2scn {

namespace {

// Qt's form of a dialog's choices: "Flag Files (*.flg);;All files (*)". Qt's
// "*.*" would match only names with a dot in them, so all files are "*".
template <std::size_t kCount>
QString Filter(const std::array<FileTypeChoice, kCount>& choices) {
    QStringList filter;
    for (const FileTypeChoice& choice : choices) {
        const QString pattern =
            choice.pattern == "*.*" ? QStringLiteral("*") : QString::fromUtf8(choice.pattern);
        filter << QString::fromUtf8(choice.description) + " (" + pattern + ")";
    }
    return filter.join(QStringLiteral(";;"));
}

}  // namespace

// A start name that ends in a file name selects that file.
std::optional<std::filesystem::path> QtFileDialog::AskOpen(const std::filesystem::path& start) {
    QFileDialog dialog(parent_, QString(), ToQString(start), Filter(kLoadChoices));
    // A dialog opens files unless told otherwise.
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ask(dialog);
}

std::optional<std::filesystem::path> QtFileDialog::AskSave(const std::filesystem::path& folder) {
    QFileDialog dialog(parent_, QString(), ToQString(folder), Filter(kSaveChoices));
    // Any name may be chosen unless told otherwise.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromUtf8(kSaveSuffix));
    return ask(dialog);
}

std::optional<std::filesystem::path> QtFileDialog::ask(QFileDialog& dialog) {
    const QtDialogCursor idle;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToPath(dialog.selectedFiles().constFirst());
}

}  // namespace flg2scn
