#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace flg2scn {

// A file that could not be read or written: its name as the user gave it and the
// operating system's reason (or ours, such as a size limit).
class FileError : public std::runtime_error {
  public:
    enum class Operation { kRead, kWrite };

    FileError(Operation operation, std::string path, std::string reason);

    Operation operation;
    std::string path;
    std::string reason;
};

// The reason for an errno value: on Linux in the GNU C library's words, on
// Windows in Windows's own, in the user's language.
std::string SystemReason(int error);

// How a failed system call becomes a FileError, everywhere: from its errno value
// (on Windows, the error code through ErrnoOf).
FileError ReadError(const std::string& path, int error);
FileError WriteError(const std::string& path, int error);
// A file of more than `max_bytes`, which is refused unread.
FileError TooLargeError(const std::string& path, std::size_t max_bytes);
// A new file that `folder` refused, though the old file at `path` may be writable.
FileError FolderWriteError(const std::string& path, const std::string& folder, int error);

}  // namespace flg2scn
