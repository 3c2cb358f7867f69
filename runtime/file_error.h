#pragma once

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

// The reason for an errno value, as the operating system words it.
std::string SystemReason(int error);

}  // namespace flg2scn
