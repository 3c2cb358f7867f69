#include "system/file_error.h"

#include <cerrno>
#include <system_error>

namespace flg2scn {

namespace {

std::string Describe(FileError::Operation operation, const std::string& path,
                     const std::string& reason) {
    return (operation == FileError::Operation::kRead ? "cannot read " : "cannot write ") + path +
           ": " + reason;
}

}  // namespace

FileError::FileError(Operation operation, std::string path, std::string reason)
    : std::runtime_error(Describe(operation, path, reason)),
      operation(operation),
      path(std::move(path)),
      reason(std::move(reason)) {}

std::string SystemReason(int error) {
    // In the words of the GNU C library, which Windows's C library words
    // otherwise for some, so that both builds tell a reason alike.
    switch (error) {
        case ENOMEM:
            return "Cannot allocate memory";
        case EIO:
            return "Input/output error";
        case ENAMETOOLONG:
            return "File name too long";
        default:
            break;
    }
    return std::generic_category().message(error);
}

FileError ReadError(const std::string& path, int error) {
    return {FileError::Operation::kRead, path, SystemReason(error)};
}

FileError WriteError(const std::string& path, int error) {
    return {FileError::Operation::kWrite, path, SystemReason(error)};
}

FileError FolderWriteError(const std::string& path, const std::string& folder, int error) {
    return {FileError::Operation::kWrite, path,
            "the folder " + folder + " cannot be written to (" + SystemReason(error) + ")"};
}

}  // namespace flg2scn
