#include "system/text_file.h"

#include "system/file_error.h"
#include "system/file_system.h"
#include "system/replacement_file.h"
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

void ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    ReplacementFile file(path);
    file.Write(bytes);
    // The contents are made durable before they take the name, and the folder
    // after it, so that a power cut leaves the old file or the whole new one.
    if (!file.in_place()) {
        if (const int error = file.Sync(); error != 0) {
            throw WriteError(path, error);
        }
    }
    file.Publish();
    if (!file.in_place()) {
        if (const int error = SyncFolder(file.folder()); error != 0) {
            throw WriteError(path, error);
        }
    }
}

}  // namespace flg2scn
