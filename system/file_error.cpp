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

FileError TooLargeError(const std::string& path, std::size_t max_bytes) {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    return {FileError::Operation::kRead, path,
            "the file is larger than " + (max_bytes % kMiB == 0
                                              ? std::to_string(max_bytes / kMiB) + " MiB"
                                              : std::to_string(max_bytes) + " bytes")};
}

FileError FolderWriteError(const std::string& path, const std::string& folder, int error) {
    return {FileError::Operation::kWrite, path,
            "the folder " + folder + " cannot be written to (" + SystemReason(error) + ")"};
}

}  // namespace flg2scn
