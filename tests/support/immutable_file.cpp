#include "support/immutable_file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace flg2scn::test {

ImmutableFile::ImmutableFile(std::string path) : path_(std::move(path)) {
    if (!SetFlag(true)) {
        error = std::strerror(errno);
    }
}

ImmutableFile::~ImmutableFile() {
    if (ok()) {
        SetFlag(false);
    }
}

bool ImmutableFile::SetFlag(bool on) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return done;
}

}  // namespace flg2scn::test
