#include "commands/disk_files.h"

#include "system/file_reading.h"
#include "system/file_writing.h"
#include "system/text_file.h"

namespace flg2scn {

std::string DiskFiles::ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) {
    return ReadFileBytes(Utf8Name(name), max_bytes);
}

void DiskFiles::ReplaceBytes(const std::filesystem::path& name, std::string_view bytes) {
    ReplaceFileBytes(Utf8Name(name), bytes);
}

}  // namespace flg2scn
