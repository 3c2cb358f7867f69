#include "system/file_error.h"

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
