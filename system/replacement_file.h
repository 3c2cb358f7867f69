#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "system/file_handle.h"
#include "system/file_system.h"

namespace flg2scn {

// New contents for a file, made beside it so that the file holds either its old
// or its complete new contents at every moment.
//
// The contents go into a file without a name in the target's folder (or, where
// the file system has no such files, a hidden temporary one), which Publish gives
// the target's name, replacing the old file. One dropped before that leaves the
// old file and, with an unnamed file, nothing else. A symbolic link is followed
// and its target replaced. A name that exists and is not a regular file (a
// device, a FIFO) is opened and written in place, and Publish has nothing to do.
//
// Failures are FileErrors naming the path as the caller gave it. One
// implementation for Linux (replacement_file_linux.cpp), one for Windows
// (replacement_file_win32.cpp).
class ReplacementFile {
  public:
    // Opens the new contents for `path`. An old file that may not be written (its
    // mode, or an immutable file) is kept, as cp keeps it.
    explicit ReplacementFile(const std::string& path);
    // Discards the new contents unless they were published.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void Write(std::string_view bytes);
    // Makes the new contents durable: by themselves, or by syncing the whole file
    // system they are on, which does many files at once. 0, or the errno; on
    // Windows the whole file system always fails, with ENOTSUP.
    int Sync() const;
    int SyncFileSystem() const;
    // Gives the new contents the target's name, replacing the old file; after a
    // failure the old file stays and the new contents are discarded.
    void Publish();

    const std::string& path() const { return path_; }
    bool in_place() const { return in_place_; }
    // The target's folder, whose entries Publish changes.
    const std::string& folder() const { return folder_; }
    // The file system the new contents are on.
    std::uint64_t device() const { return device_; }
    // Whether `file` is the old file to be replaced.
    bool Replaces(const FileIdentity& file) const { return had_old_ && old_ == file; }

  private:
    void Open();
    void Discard();

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the name it replaces, links followed
    std::string folder_;
    FileHandle file_;
    std::string temporary_;  // the hidden name of a named temporary file, else empty
    std::uint64_t device_ = 0;
    bool in_place_ = false;
    bool had_old_ = false;
    FileIdentity old_;
};

}  // namespace flg2scn
