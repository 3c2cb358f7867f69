#include "system/text_file.h"

#include "vb6/code_page.h"

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

}  // namespace flg2scn
