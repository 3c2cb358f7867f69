#include "system/replacement_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <utility>

#include "system/file_error.h"
#include "system/path_names.h"
#include "system/writers_lock.h"

namespace flg2scn {

namespace {

// The full name without links, or empty when there is none.
std::string Canonical(const std::string& name) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(name.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : std::string();
}

// The name a chain of symbolic links ends in, for a name that does not exist yet
// (a dangling link creates its target).
std::string FollowLinks(const std::string& path) {
    std::string name = path;
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), target, sizeof target - 1);
        if (length < 0) {
            // Not a link, or no such name: the chain ends here, and creating the
            // file tells any other failure.
            return name;
        }
        const std::string link(target, static_cast<std::size_t>(length));
        if (link.starts_with('/')) {
            name = link;
        } else {
            name = FolderOf(name).append("/").append(link);
        }
    }
    throw WriteError(path, ELOOP);
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

// Opens a file for new contents in `folder`: one without a name where the file
// system has them, else a hidden one whose name goes to `temporary`: the
// target's own or, where a live writer holds it or it is too long, a random one.
int OpenNewFile(const std::string& path, const std::string& target, const std::string& folder,
                std::string& temporary) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    // Also where the folder refuses new files: the temporary one is refused too,
    // with the same reason.
    if (fd == -1) {
        // The target's hidden name comes locked already.
        temporary = HiddenNameFor(target);
        const int error = CreateHiddenFile(temporary, fd);
        errno = error;
        if (error == EEXIST || error == ENAMETOOLONG) {
            temporary = folder + "/.flg2scn-XXXXXX";
            fd = ::mkostemp(temporary.data(), O_CLOEXEC);
            if (fd != -1) {
                HoldWritersLock(fd);
            }
        }
    } else {
        HoldWritersLock(fd);
    }
    if (fd == -1 && (errno == ENOENT || errno == ENOTDIR)) {
        throw WriteError(path, errno);
    }
    if (fd == -1) {
        throw FolderWriteError(path, folder, errno);
    }
    return fd;
}

// Gives the old file's owner and permissions, or a new file's, to `fd`.
void SetOwnerAndMode(const std::string& path, int fd, const struct stat& new_status,
                     const struct stat* old_status) {
    mode_t mode = 0666 & ~FileModeMask();
    if (old_status != nullptr) {
        mode = old_status->st_mode & 07777;
        const bool same_owner =
            old_status->st_uid == new_status.st_uid && old_status->st_gid == new_status.st_gid;
        if (!same_owner && ::fchown(fd, old_status->st_uid, old_status->st_gid) != 0) {
            if (errno != EPERM) {
                throw WriteError(path, errno);
            }
            // Only the owner changes, as with any program that writes a new file;
            // set-id bits do not pass to a file of another owner.
            mode &= ~mode_t{06000};
        }
    }
    if (::fchmod(fd, mode) != 0) {
        throw WriteError(path, errno);
    }
}

// Links an open file without a name to `name`; 0 or the errno.
int LinkUnnamed(int fd, const std::string& name) {
    static const bool have_proc = ::access("/proc/self/fd", F_OK) == 0;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    int result = 0;
    if (have_proc) {
        result = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
    } else {
        // Without /proc; this needs the right to find files by their descriptor.
        result = ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
    }
    return result == 0 ? 0 : errno;
}

// Opens a name that is not a regular file for writing in place. Non-blocking, so
// that a FIFO without a reader fails at once instead of waiting; once open, the
// writes block as usual.
FileHandle OpenInPlace(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.is_open() && errno == ENXIO && ::stat(path.c_str(), &status) == 0 &&
        S_ISFIFO(status.st_mode)) {
        throw FileError(FileError::Operation::kWrite, path, "no program is reading from it");
    }
    // Setting the status flags to none clears O_NONBLOCK; the access mode stays.
    if (!file.is_open() || ::fcntl(file.get(), F_SETFL, 0) != 0) {
        throw WriteError(path, errno);
    }
    return file;
}

}  // namespace

ReplacementFile::ReplacementFile(const std::string& path) : path_(path) {
    if (NamesOwnDescriptor(path)) {
        throw WriteError(path, ENOENT);
    }
    // A plain name, the usual case, is known from one lstat; only a link is
    // looked at again through its target.
    struct stat old_status {};
    bool exists = ::lstat(path.c_str(), &old_status) == 0;
    const bool link = exists && S_ISLNK(old_status.st_mode);
    if (link) {
        exists = ::stat(path.c_str(), &old_status) == 0;
    }
    if (exists) {
        if (!S_ISREG(old_status.st_mode)) {
            file_ = OpenInPlace(path);
            in_place_ = true;
            return;
        }
        // The old file is replaced, not written to; still, one that may not be
        // written is kept.
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
            throw WriteError(path, errno == EPERM ? EACCES : errno);
        }
        target_ = link ? Canonical(path) : path;
        if (target_.empty()) {
            throw WriteError(path, errno);
        }
        had_old_ = true;
        old_ = {static_cast<std::uint64_t>(old_status.st_dev),
                static_cast<std::uint64_t>(old_status.st_ino)};
    } else if (errno == ENOENT) {
        target_ = FollowLinks(path);
    } else {
        throw WriteError(path, errno);
    }
    folder_ = FolderOf(target_);
    file_ = FileHandle(OpenNewFile(path, target_, folder_, temporary_));
    try {
        struct stat status {};
        if (::fstat(file_.get(), &status) != 0) {
            throw WriteError(path, errno);
        }
        device_ = static_cast<std::uint64_t>(status.st_dev);
        SetOwnerAndMode(path, file_.get(), status, had_old_ ? &old_status : nullptr);
    } catch (...) {
        Discard();
        throw;
    }
}

ReplacementFile::~ReplacementFile() {
    Discard();
}

void ReplacementFile::Discard() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

void ReplacementFile::Write(std::string_view bytes) {
    WriteStreamBytes(file_.get(), path_, bytes);
}

int ReplacementFile::Sync() const {
    return ::fsync(file_.get()) == 0 ? 0 : errno;
}

int ReplacementFile::SyncFileSystem() const {
    return ::syncfs(file_.get()) == 0 ? 0 : errno;
}

void ReplacementFile::Publish() {
    if (in_place_) {
        if (const int error = file_.Close(); error != 0) {
            throw WriteError(path_, error);
        }
        return;
    }
    std::string hidden = temporary_;
    if (hidden.empty()) {
        int error = had_old_ ? EEXIST : LinkUnnamed(file_.get(), target_);
        if (error == 0) {
            return;
        }
        // An old file is replaced through a hidden name: a link cannot replace.
        // The target's own, unless a live writer holds it; a random one then.
        if (error == EEXIST) {
            hidden = HiddenNameFor(target_);
            error = ClaimHiddenName(
                hidden, [this](const std::string& name) { return LinkUnnamed(file_.get(), name); });
        }
        for (int tries = 0; (error == EEXIST || error == ENAMETOOLONG) && tries < 100; ++tries) {
            hidden = HiddenName(folder_);
            error = LinkUnnamed(file_.get(), hidden);
        }
        if (error != 0) {
            throw WriteError(path_, error);
        }
        temporary_ = hidden;
    }
    // Closed first, so that a write that fails late (NFS tells it at close) keeps
    // the old file; a second descriptor keeps the writers' lock until the rename,
    // so that no other writer takes the hidden name for a leftover meanwhile.
    const FileHandle lock(::fcntl(file_.get(), F_DUPFD_CLOEXEC, 0));
    const int error = file_.Close();
    if (error != 0 || ::rename(hidden.c_str(), target_.c_str()) != 0) {
        const int reason = error != 0 ? error : errno;
        Discard();
        throw WriteError(path_, reason);
    }
    temporary_.clear();
}

}  // namespace flg2scn
