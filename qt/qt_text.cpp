#include "qt/qt_text.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <system_error>

namespace flg2scn {

std::filesystem::path ToPath(const QString& name) {
#ifdef Q_OS_WIN
    return std::filesystem::path(name.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());
#endif
}

std::filesystem::path ToPath(const QUrl& url) {
#ifdef Q_OS_WIN
    return ToPath(url.toLocalFile());
#else
    // The URL keeps the bytes percent-encoded; toLocalFile() would decode them as
    // UTF-8 and lose any that are not.
    return std::filesystem::path(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
#endif
}

std::filesystem::path ArgumentPath(int argc, const char* const argv[], const QString& decoded) {
#ifndef Q_OS_WIN
    for (int i = argc - 1; i > 0; --i) {
        if (QString::fromLocal8Bit(argv[i]) == decoded) {
            std::error_code error;
            const std::filesystem::path path = std::filesystem::absolute(argv[i], error);
            return error ? std::filesystem::path(argv[i]) : path;
        }
    }
#endif
    return ToPath(QFileInfo(decoded).absoluteFilePath());
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQString(const std::filesystem::path& name) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(name.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(name.native()));
#endif
}

}  // namespace flg2scn
