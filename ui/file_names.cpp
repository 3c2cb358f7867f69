#include "ui/file_names.h"

#include <QByteArray>
#include <QFile>

namespace flg2scn {

std::filesystem::path ToPath(const QString& name) {
#ifdef Q_OS_WIN
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

QString ToQString(const std::filesystem::path& name) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(name.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(name.native()));
#endif
}

}  // namespace flg2scn
