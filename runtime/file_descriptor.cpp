#include "runtime/file_descriptor.h"

#include <unistd.h>

#include <cerrno>

namespace flg2scn {

int FileDescriptor::Close() {
    if (fd_ < 0) {
        return 0;
    }
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 ? 0 : errno;
}

}  // namespace flg2scn
