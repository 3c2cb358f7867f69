#include "runtime/file_batch.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>

#include "runtime/file_writing.h"

namespace flg2scn {

// One file of the batch: where it goes and its new contents, open.
struct FileBatch::File {
    std::string path;    // as the caller named it, for messages
    std::string target;  // the name it replaces, links followed
    std::string folder;  // the target's folder
    FileDescriptor file{-1};
    std::string temporary;  // the hidden name of a named temporary file, else empty
    dev_t device = 0;
    bool had_old = false;
    dev_t old_device = 0;
    ino_t old_inode = 0;
    bool written_in_place = false;
    std::optional<FileError> error;
};

namespace {

FileError WriteError(const std::string& path, const std::string& reason) {
    return FileError(FileError::Operation::kWrite, path, reason);
}

[[noreturn]] void Fail(const std::string& path, int error) {
    throw WriteError(path, SystemReason(error));
}

std::string Folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

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
            name = Folder(name).append("/").append(link);
        }
    }
    Fail(path, ELOOP);
}

void WriteInPlace(const std::string& path, std::string_view bytes) {
    // Non-blocking, so that a FIFO without a reader fails at once instead of
    // waiting; once open, the writes block as usual.
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 && errno == ENXIO && ::stat(path.c_str(), &status) == 0 &&
        S_ISFIFO(status.st_mode)) {
        throw WriteError(path, "no program is reading from it");
    }
    if (file.get() < 0) {
        Fail(path, errno);
    }
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        Fail(path, errno);
    }
    WriteStreamBytes(file.get(), path, bytes);
    if (const int error = file.Close(); error != 0) {
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

// Opens a file for new contents in `folder`: one without a name where the file
// system has them, else a hidden temporary one whose name goes to `temporary`.
int OpenNewFile(const std::string& path, const std::string& folder, std::string& temporary) {
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        temporary = folder + "/.flg2scn-XXXXXX";
        fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0) {
            temporary.clear();
        }
    }
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        Fail(path, errno);
    }
    if (fd < 0) {
        // The refusal is the folder's, even where the old file itself may be written.
        throw WriteError(
            path, "the folder " + folder + " cannot be written to (" + SystemReason(errno) + ")");
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
                Fail(path, errno);
            }
            // Only the owner changes, as with any program that writes a new file;
            // set-id bits do not pass to a file of another owner.
            mode &= ~mode_t{06000};
        }
    }
    if (::fchmod(fd, mode) != 0) {
        Fail(path, errno);
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

std::string HiddenName(const std::string& folder) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = folder + "/.flg2scn-";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[pick(generator)];
    }
    return name;
}

// Holds back the signals that end a program by default, so that the names are
// given completely (a held signal ends the program once they are).
class TerminationHeld {
  public:
    TerminationHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) {
            sigaddset(&held, signal);
        }
        pthread_sigmask(SIG_BLOCK, &held, &old_);
    }
    ~TerminationHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;

  private:
    sigset_t old_;
};

}  // namespace

FileBatch::FileBatch() {
    // Each file is held open until Commit; leave most descriptors to the rest.
    constexpr std::size_t kMostFiles = 512;
    struct rlimit limit {};
    const std::size_t open_files =
        ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
            ? static_cast<std::size_t>(limit.rlim_cur)
            : kMostFiles;
    capacity_ = std::clamp<std::size_t>(open_files / 4, 1, kMostFiles);
}

FileBatch::~FileBatch() {
    for (const File& file : files_) {
        if (!file.temporary.empty()) {
            ::unlink(file.temporary.c_str());
        }
    }
}

bool FileBatch::Full() const {
    return files_.size() >= capacity_;
}

std::size_t FileBatch::size() const {
    return files_.size();
}

void FileBatch::Add(const std::string& path, std::string_view bytes) {
    File file;
    file.path = path;
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
            WriteInPlace(path, bytes);
            file.written_in_place = true;
            files_.push_back(std::move(file));
            return;
        }
        // The old file is replaced, not written to; still, one that may not be
        // written (its mode, or an immutable file) is kept, as cp keeps it.
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
            Fail(path, errno == EPERM ? EACCES : errno);
        }
        file.target = link ? Canonical(path) : path;
        if (file.target.empty()) {
            Fail(path, errno);
        }
        file.had_old = true;
        file.old_device = old_status.st_dev;
        file.old_inode = old_status.st_ino;
    } else if (errno == ENOENT) {
        file.target = FollowLinks(path);
    } else {
        Fail(path, errno);
    }
    file.folder = Folder(file.target);

    FileDescriptor opened(OpenNewFile(path, file.folder, file.temporary));
    try {
        struct stat status {};
        if (::fstat(opened.get(), &status) != 0) {
            Fail(path, errno);
        }
        file.device = status.st_dev;
        SetOwnerAndMode(path, opened.get(), status, file.had_old ? &old_status : nullptr);
        WriteStreamBytes(opened.get(), path, bytes);
    } catch (...) {
        if (!file.temporary.empty()) {
            ::unlink(file.temporary.c_str());
        }
        throw;
    }
    file.file = std::move(opened);
    files_.push_back(std::move(file));
}

bool FileBatch::Pending(const std::string& path) const {
    if (files_.empty()) {
        return false;
    }
    // A name that does not exist yet may be one that Commit creates; one that
    // exists is ours only as an old file to be replaced (a new one has no name).
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return true;
    }
    return std::any_of(files_.begin(), files_.end(), [&](const File& file) {
        return file.had_old && file.old_device == status.st_dev && file.old_inode == status.st_ino;
    });
}

// One file is synced by itself; a group by one sync of each file system it is
// on, and where that fails, file by file to learn which.
void FileBatch::Sync(std::vector<File*>& files) {
    const auto sync_each = [&](dev_t device, bool all) {
        for (File* file : files) {
            if ((all || file->device == device) && ::fsync(file->file.get()) != 0) {
                file->error = WriteError(file->path, SystemReason(errno));
            }
        }
    };
    if (files.size() == 1) {
        sync_each(0, true);
        return;
    }
    std::vector<dev_t> synced;
    for (const File* file : files) {
        if (std::find(synced.begin(), synced.end(), file->device) != synced.end()) {
            continue;
        }
        synced.push_back(file->device);
        if (::syncfs(file->file.get()) != 0) {
            sync_each(file->device, false);
        }
    }
}

void FileBatch::Name(File& file) {
    std::string hidden = file.temporary;
    if (hidden.empty()) {
        int error = file.had_old ? EEXIST : LinkUnnamed(file.file.get(), file.target);
        if (error == 0) {
            return;
        }
        // An old file is replaced through a hidden name: a link cannot replace.
        for (int tries = 0; error == EEXIST && tries < 100; ++tries) {
            hidden = HiddenName(file.folder);
            error = LinkUnnamed(file.file.get(), hidden);
        }
        if (error != 0) {
            file.error = WriteError(file.path, SystemReason(error));
            return;
        }
    }
    const int error = file.file.Close();
    if (error != 0 || ::rename(hidden.c_str(), file.target.c_str()) != 0) {
        file.error = WriteError(file.path, SystemReason(error != 0 ? error : errno));
        ::unlink(hidden.c_str());
    }
    file.temporary.clear();
}

std::vector<std::optional<FileError>> FileBatch::Commit() {
    std::vector<File*> written;
    for (File& file : files_) {
        if (!file.written_in_place) {
            written.push_back(&file);
        }
    }
    Sync(written);
    std::vector<std::string> folders;
    {
        const TerminationHeld held;
        for (File* file : written) {
            if (!file->error) {
                Name(*file);
            }
            if (!file->error &&
                std::find(folders.begin(), folders.end(), file->folder) == folders.end()) {
                folders.push_back(file->folder);
            }
        }
    }
    for (File* file : written) {
        if (!file->temporary.empty()) {  // failed before it could be named
            ::unlink(file->temporary.c_str());
        }
    }
    // Make the names durable; the new contents are in place either way.
    for (const std::string& folder : folders) {
        const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (opened.get() >= 0) {
            ::fsync(opened.get());
        }
    }
    std::vector<std::optional<FileError>> errors;
    for (File& file : files_) {
        errors.push_back(std::move(file.error));
    }
    files_.clear();
    return errors;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    FileBatch batch;
    batch.Add(path, bytes);
    if (auto error = std::move(batch.Commit().front())) {
        throw *error;
    }
}

}  // namespace flg2scn
