#pragma once

#include <QString>
#include <filesystem>

namespace flg2scn {

// A file name as Qt holds it, in the platform's own form, and back: the bytes
// that Qt opens the file by on Unix, UTF-16 on Windows.
std::filesystem::path ToPath(const QString& name);
QString ToQString(const std::filesystem::path& name);

}  // namespace flg2scn
