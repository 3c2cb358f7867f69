#include "runtime/file_writing.h"

#include <unistd.h>

#include <cerrno>

#include "runtime/file_error.h"

namespace flg2scn {

void WriteStreamBytes(int fd, const std::string& name, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError(FileError::Operation::kWrite, name, SystemReason(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

}  // namespace flg2scn
