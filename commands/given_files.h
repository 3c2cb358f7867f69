#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "commands/services.h"

namespace flg2scn {

// The files of a front end without a file system, such as a web page: the file
// the user picked or dropped, handed over as its name, size and bytes, and the
// bytes of the last save, which the front end hands on (a download, a file the
// browser's save picker opened).
class GivenFiles final : public FileStore {
  public:
    // The file `name` of `size` bytes. Where `size` is over the most a text file
    // may hold, the front end need not read it: `bytes` may be left empty.
    void Give(std::filesystem::path name, std::size_t size, std::string bytes);

    // The given file's bytes, handed over once: a text may be tens of megabytes,
    // and a Load reads it once. A file over `max_bytes` is refused as on disk;
    // any other name, or the same one read again, was not given.
    std::string ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) override;
    // Keeps the bytes for the front end to take.
    void ReplaceBytes(const std::filesystem::path& name, std::string_view bytes) override;

    const std::string& saved() const { return saved_; }

  private:
    std::filesystem::path given_name_;
    std::size_t given_size_ = 0;
    std::string given_;
    std::string saved_;
};

// The name a save offers after `loaded` was loaded: its name with ".scn" in
// place of its extension (NAME.flg gives NAME.scn), or "scenario.scn" when no
// file was loaded.
std::filesystem::path SuggestedSaveName(const std::filesystem::path& loaded);

}  // namespace flg2scn
