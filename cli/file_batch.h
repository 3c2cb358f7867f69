#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/file_error.h"
#include "system/replacement_file.h"

namespace flg2scn {

// Replaces files, each through a ReplacementFile, and makes a group of them
// durable together: one sync of each file system for the group instead of one
// for every file and its folder. Add writes a file's new contents; Commit syncs
// them, publishes each and syncs each folder once. A run that ends before Commit
// leaves the old files. A name written in place is done when it is added.
class FileBatch {
  public:
    FileBatch();
    // Drops what was added and not committed; the old files stay.
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Writes `bytes` for `path`. A failure is a FileError, and then nothing of
    // this file is in the batch.
    void Add(const std::string& path, std::string_view bytes);
    // Whether the batch holds as many open files as it should.
    bool Full() const;
    // How many files were added since the last Commit.
    std::size_t size() const;
    // Whether reading `path` now might miss what Commit is to put there, so that
    // the batch should be committed first.
    bool Pending(const std::string& path) const;
    // Syncs every added file, renames it into place, then syncs each folder once.
    // Gives, in the order they were added, nothing or the FileError of each; the
    // batch is then empty.
    std::vector<std::optional<FileError>> Commit();

  private:
    struct Entry;

    static void Sync(const std::vector<Entry*>& entries);

    // A deque, as a ReplacementFile stays where it was made.
    std::deque<Entry> files_;
    std::size_t capacity_;
};

}  // namespace flg2scn
