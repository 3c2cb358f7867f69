#include "runtime/text_file.h"

#include "runtime/code_page.h"
#include "runtime/file_error.h"
#include "runtime/line_reading.h"

namespace flg2scn {

std::string TextFileBytes(std::u16string_view text) {
    std::string bytes = EncodeText(text);
    bytes += "\r\n";
    return bytes;
}

namespace {

// The file rules name files in UTF-8 on every system; on POSIX that is the
// name's own bytes.
std::string FileName(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

std::string BytesToWrite(const std::string& path, std::u16string_view text) {
    try {
        return TextFileBytes(text);
    } catch (const UnencodableCharacter& error) {
        throw FileError(FileError::Operation::kWrite, path, error.what());
    }
}

}  // namespace

std::u16string ReadTextFile(const std::filesystem::path& path, std::size_t max_bytes) {
    return DecodeLines(ReadFileBytes(FileName(path), max_bytes));
}

void WriteTextFile(const std::filesystem::path& path, std::u16string_view text) {
    WriteFileAtomically(FileName(path), BytesToWrite(FileName(path), text));
}

}  // namespace flg2scn
