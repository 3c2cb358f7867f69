#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "system/file_error.h"
#include "system/file_system.h"
#include "system/interruption.h"
#include "system/path_names.h"

namespace flg2scn {

PathStyle SystemPathStyle() {
    return PathStyle::kPosix;
}

namespace {

// The descriptors open when the program started, sorted; taken once, by
// SetUpStandardStreams.
std::vector<int> inherited;
bool inherited_known = false;

// Which of 0, 1 and 2 were closed at the start and hold /dev/null since.
bool standard_closed[3] = {};

std::vector<int> OpenDescriptors() {
    std::vector<int> open;
    if (DIR* const folder = ::opendir("/proc/self/fd")) {
        errno = 0;
        while (const dirent* const entry = ::readdir(folder)) {
            const int fd = std::atoi(entry->d_name);
            if (entry->d_name[0] != '.' && fd != ::dirfd(folder)) {
                open.push_back(fd);
            }
        }
        if (errno != 0) {
            open.clear();
        }
        ::closedir(folder);
    }
    if (open.empty()) {
        // Without /proc, each of the usual numbers is asked.
        for (int fd = 0; fd < 1024; ++fd) {
            if (::fcntl(fd, F_GETFD) != -1) {
                open.push_back(fd);
            }
        }
    }
    std::sort(open.begin(), open.end());
    return open;
}

NativeFile Standard(int fd) {
    return standard_closed[fd] ? NoFile() : fd;
}

}  // namespace

void SetUpStandardStreams() {
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number: this one, as those below are open by now.
            const int null = ::open("/dev/null", O_RDWR);
            standard_closed[fd] = true;
            if (null != fd) {
                // Without /dev/null nothing can hold the number, and a file of
                // the program's own would take it: refuse to run.
                constexpr char kCannot[] =
                    "flg2scn: cannot open /dev/null for a closed "
                    "standard stream\n";
                [[maybe_unused]] const ssize_t told =
                    ::write(STDERR_FILENO, kCannot, sizeof kCannot - 1);
                std::_Exit(EXIT_FAILURE);
            }
        }
    }
    inherited = OpenDescriptors();
    inherited_known = true;
    for (int fd = 0; fd < 3; ++fd) {
        if (standard_closed[fd]) {
            inherited.erase(std::remove(inherited.begin(), inherited.end(), fd), inherited.end());
        }
    }
}

bool NamesOwnDescriptor(const std::string& path) {
    const std::optional<int> fd = DescriptorNamed(path);
    return fd && inherited_known && !std::binary_search(inherited.begin(), inherited.end(), *fd);
}

NativeFile NoFile() {
    return -1;
}

int FileHandle::Close() {
    if (!is_open()) {
        return 0;
    }
    const int result = ::close(std::exchange(native_, NoFile()));
    return result == 0 ? 0 : errno;
}

NativeFile StandardInput() {
    return Standard(STDIN_FILENO);
}

NativeFile StandardOutput() {
    return Standard(STDOUT_FILENO);
}

NativeFile StandardError() {
    return Standard(STDERR_FILENO);
}

FileHandle OpenForReading(const std::string& path, FileKind& kind, std::uint64_t& size) {
    if (NamesOwnDescriptor(path)) {
        throw ReadError(path, ENOENT);
    }
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.is_open() || ::fstat(file.get(), &status) != 0) {
        throw ReadError(path, errno);
    }
    kind = S_ISREG(status.st_mode)    ? FileKind::kRegular
           : S_ISFIFO(status.st_mode) ? FileKind::kPipe
           : S_ISDIR(status.st_mode)  ? FileKind::kFolder
                                      : FileKind::kOther;
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
}

// Not blocking: the reads wait for the writer (see ReadSome), as they wait for
// its bytes.
FileHandle OpenPipe(const std::string& path) {
    if (NamesOwnDescriptor(path)) {
        throw ReadError(path, ENOENT);
    }
    FileHandle pipe(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!pipe.is_open()) {
        throw ReadError(path, errno);
    }
    return pipe;
}

bool IsPipe(const std::string& path) {
    struct stat status {};
    return !NamesOwnDescriptor(path) && ::stat(path.c_str(), &status) == 0 &&
           S_ISFIFO(status.st_mode);
}

// Waits for input first, so that a caught signal stops a read that would wait
// whenever it comes. A FIFO's read end waits there until a writer comes and
// writes or goes.
std::size_t ReadSome(NativeFile file, const std::string& name, char* buffer, std::size_t size) {
    // poll would wait for ever on no file at all.
    if (file == NoFile()) {
        throw ReadError(name, EBADF);
    }
    for (;;) {
        const InterruptibleRead waiting(file);
        const ssize_t got = ::read(file, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR && errno != EAGAIN) {
            throw ReadError(name, errno);
        }
    }
}

void WriteStreamBytes(NativeFile file, const std::string& name, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(file, bytes.data(), bytes.size());
        if (wrote == -1) {
            if (errno == EINTR) {
                continue;
            }
            throw WriteError(name, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

namespace {

FileIdentity IdentityFrom(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat status {};
    if (NamesOwnDescriptor(path) || ::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return IdentityFrom(status);
}

std::optional<FileIdentity> IdentityOfOpen(NativeFile file) {
    struct stat status {};
    if (file == NoFile() || ::fstat(file, &status) != 0) {
        return std::nullopt;
    }
    return IdentityFrom(status);
}

std::optional<std::size_t> OpenFileLimit() {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(limit.rlim_cur);
}

int SyncFolder(const std::string& folder) {
    // A folder that may be written but not read cannot be opened to be synced;
    // its names are left to the system, as before this step existed.
    const FileHandle opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.is_open() || ::fsync(opened.get()) == 0) {
        return 0;
    }
    const int error = errno;
    return ::syncfs(opened.get()) == 0 ? 0 : error;
}

}  // namespace flg2scn
