#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "system/writers_lock.h"

namespace flg2scn {

namespace {

// Whether `name` stands for the open regular file `fd`, itself and not a link.
bool Names(const std::string& name, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
           ::lstat(name.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

// Removes what a writer cut off left at `name`, while the name still stands for
// the file whose lock was taken; whether it did.
bool RemoveLeftOver(const std::string& name) {
    const FileHandle file(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return file.is_open() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
           Names(name, file.get()) && ::unlink(name.c_str()) == 0;
}

}  // namespace

bool HoldWritersLock(NativeFile file) {
    return ::flock(file, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

int ClaimHiddenName(const std::string& name, const std::function<int(const std::string&)>& claim) {
    const int error = claim(name);
    return error == EEXIST && RemoveLeftOver(name) ? claim(name) : error;
}

int CreateHiddenFile(const std::string& name, NativeFile& file) {
    return ClaimHiddenName(name, [&file](const std::string& hidden) {
        file = ::open(hidden.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file == -1) {
            return errno;
        }
        // Another writer may take the new file for a leftover before it is locked,
        // and remove it: it is given up then, as a name that a writer holds.
        if (!HoldWritersLock(file) || !Names(hidden, file)) {
            ::close(std::exchange(file, -1));
            return EEXIST;
        }
        return 0;
    });
}

}  // namespace flg2scn
