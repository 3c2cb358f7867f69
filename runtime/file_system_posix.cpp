#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/file_error.h"
#include "runtime/file_system.h"
#include "runtime/interruption.h"

namespace flg2scn {

namespace {

[[noreturn]] void FailReading(const std::string& path, int error) {
    throw FileError(FileError::Operation::kRead, path, SystemReason(error));
}

}  // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return {argv, argv + argc};
}

void UseBinaryStandardStreams() {}

NativeFile NoFile() {
    return -1;
}

int FileDescriptor::Close() {
    if (!is_open()) {
        return 0;
    }
    const int result = ::close(std::exchange(fd_, NoFile()));
    return result == 0 ? 0 : errno;
}

NativeFile StandardInput() {
    return STDIN_FILENO;
}

NativeFile StandardOutput() {
    return STDOUT_FILENO;
}

FileDescriptor OpenForReading(const std::string& path, FileKind& kind, std::uint64_t& size) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.is_open() || ::fstat(file.get(), &status) != 0) {
        FailReading(path, errno);
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
FileDescriptor OpenPipe(const std::string& path) {
    FileDescriptor pipe(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!pipe.is_open()) {
        FailReading(path, errno);
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
        WaitForInput(file);
        const ssize_t got = ::read(file, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR && errno != EAGAIN) {
            FailReading(name, errno);
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
            throw FileError(FileError::Operation::kWrite, name, SystemReason(errno));
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
    const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.is_open() || ::fsync(opened.get()) == 0) {
        return 0;
    }
    const int error = errno;
    return ::syncfs(opened.get()) == 0 ? 0 : error;
}

}  // namespace flg2scn
