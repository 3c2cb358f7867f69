#include "commands/given_files.h"

#include <utility>

#include "system/file_error.h"
#include "system/text_file.h"

namespace flg2scn {

void GivenFiles::Give(std::filesystem::path name, std::size_t size, std::string bytes) {
    given_name_ = std::move(name);
    given_size_ = size;
    given_ = std::move(bytes);
}

std::string GivenFiles::ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) {
    if (name.empty() || name != given_name_) {
        throw FileError(FileError::Operation::kRead, Utf8Name(name), "the file was not given");
    }
    if (given_size_ > max_bytes || given_.size() > max_bytes) {
        throw TooLargeError(Utf8Name(name), max_bytes);
    }
    given_name_.clear();
    return std::move(given_);
}

void GivenFiles::ReplaceBytes(const std::filesystem::path& /*name*/, std::string_view bytes) {
    saved_.assign(bytes);
}

std::filesystem::path SuggestedSaveName(const std::filesystem::path& loaded) {
    if (loaded.filename().empty()) {
        return "scenario.scn";
    }
    return std::filesystem::path(loaded.filename()).replace_extension(".scn");
}

}  // namespace flg2scn
