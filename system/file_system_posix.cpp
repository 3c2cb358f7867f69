#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "system/file_error.h"
#include "system/file_system.h"
#include "system/interruption.h"

namespace flg2scn {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

void UseBinaryStandardStreams() {}

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
    return STDIN_FILENO;
}

NativeFile StandardOutput() {
    return STDOUT_FILENO;
}

FileHandle OpenForReading(const std::string& path, FileKind& kind, std::uint64_t& size) {
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
    FileHandle pipe(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!pipe.is_open()) {
        throw ReadError(path, errno);
    }
    return pipe;
}

bool IsPipe(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// Waits for input first, so that a caught signal stops a read that would wait
// whenever it comes. A FIFO's read end waits there until a writer comes and
// writes or goes.
std::size_t ReadSome(NativeFile file, const std::string& name, char* buffer, std::size_t size) {
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

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
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
