#include "runtime/file_writing.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "runtime/file_error.h"

namespace flg2scn {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
    throw FileError(FileError::Operation::kWrite, path, SystemReason(error));
}

// Returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return 0;
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The name a chain of symbolic links ends in, for a name that does not exist yet
// (a dangling link creates its target).
std::string FollowLinks(const std::string& path) {
    std::string name = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status {};
        if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return name;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), target, sizeof target - 1);
        if (length < 0) {
            Fail(path, errno);
        }
        const std::string link(target, static_cast<std::size_t>(length));
        if (link.starts_with('/')) {
            name = link;
        } else {
            name = Folder(name).append("/").append(link);
        }
    }
    Fail(path, ELOOP);
}

void WriteInPlace(const std::string& path, std::string_view bytes) {
    // Non-blocking, so that a FIFO without a reader fails at once instead of
    // waiting; once open, the writes block as usual.
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(path, errno);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    int error = flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? errno : 0;
    if (error == 0) {
        error = WriteAll(fd, bytes);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        Fail(path, error);
    }
}

// The process's file mode mask, read once. Linux tells it in /proc without the
// umask(0)-and-back that would race with any other thread creating a file.
mode_t FileModeMask() {
    static const mode_t mask = [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("Umask:")) {
                return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
            }
        }
        const mode_t old = ::umask(0);
        ::umask(old);
        return old;
    }();
    return mask;
}

mode_t NewFileMode() {
    return 0666 & ~FileModeMask();
}

void ReplaceRegularFile(const std::string& path, const std::string& target,
                        const struct stat* old_status, std::string_view bytes) {
    std::string temporary = Folder(target) + "/.flg2scn-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        Fail(path, errno);
    }
    if (fd < 0) {
        // The refusal is the folder's, even where the old file itself may be written.
        throw FileError(
            FileError::Operation::kWrite, path,
            "the folder " + Folder(target) + " cannot be written to (" + SystemReason(errno) + ")");
    }
    int error = 0;
    if (old_status != nullptr) {
        // Keep the old file's owner and permissions; an owner change may be refused.
        [[maybe_unused]] const int ignored = ::fchown(fd, old_status->st_uid, old_status->st_gid);
        if (::fchmod(fd, old_status->st_mode & 07777) != 0) {
            error = errno;
        }
    } else if (::fchmod(fd, NewFileMode()) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = WriteAll(fd, bytes);
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        Fail(path, error);
    }
    // Make the rename itself durable; the new contents are in place either way.
    const int folder = ::open(Folder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            WriteInPlace(path, bytes);
            return;
        }
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                               &std::free);
        if (!real) {
            Fail(path, errno);
        }
        ReplaceRegularFile(path, real.get(), &status, bytes);
    } else if (errno == ENOENT) {
        ReplaceRegularFile(path, FollowLinks(path), nullptr, bytes);
    } else {
        Fail(path, errno);
    }
}

void WriteStreamBytes(int fd, const std::string& name, std::string_view bytes) {
    if (const int error = WriteAll(fd, bytes); error != 0) {
        Fail(name, error);
    }
}

}  // namespace flg2scn
