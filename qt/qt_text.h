#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>
#include <string_view>

namespace flg2scn {

// A UTF-8 text (the window's fixed data, a message) as Qt takes it.
QString ToQString(std::string_view text);
// A file name as Qt holds it, in the platform's own form, and back: the bytes
// that Qt opens the file by on Unix, UTF-16 on Windows.
std::filesystem::path ToPath(const QString& name);
QString ToQString(const std::filesystem::path& name);
// The local file that a file: URL names, by the bytes of its path on Unix, where
// a name need not be valid UTF-8.
std::filesystem::path ToPath(const QUrl& url);
// The file that the program's argument `decoded` names, made absolute, by the
// argument's own bytes on Unix (the last of argv that decodes to it).
std::filesystem::path ArgumentPath(int argc, const char* const argv[], const QString& decoded);

}  // namespace flg2scn
