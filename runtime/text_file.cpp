#include "runtime/text_file.h"

#include "runtime/code_page.h"
#include "runtime/file_error.h"
#include "runtime/line_reading.h"

namespace flg2scn {

std::string Utf8Name(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

std::string TextFileBytes(std::u16string_view text) {
    std::string bytes = EncodeText(text);
    bytes += "\r\n";
    return bytes;
}

namespace {

std::string BytesToWrite(const std::string& path, std::u16string_view text) {
    try {
        return TextFileBytes(text);
    } catch (const UnencodableCharacter& error) {
        throw FileError(FileError::Operation::kWrite, path, error.what());
    }
}

}  // namespace

std::u16string ReadTextFile(const std::filesystem::path& path, std::size_t max_bytes) {
    return DecodeLines(ReadFileBytes(Utf8Name(path), max_bytes));
}

void WriteTextFile(const std::filesystem::path& path, std::u16string_view text) {
    WriteFileAtomically(Utf8Name(path), BytesToWrite(Utf8Name(path), text));
}

}  // namespace flg2scn
