#include "runtime/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>

#include "runtime/file_error.h"
#include "runtime/interruption.h"

namespace flg2scn {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw FileError(FileError::Operation::kRead, path, reason);
}

std::string TooLarge(std::size_t max_bytes) {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    return "the file is larger than " + (max_bytes % kMiB == 0
                                             ? std::to_string(max_bytes / kMiB) + " MiB"
                                             : std::to_string(max_bytes) + " bytes");
}

// Reads up to `size` bytes, retrying when a signal interrupts it unless that is
// one of the caught interruptions; 0 at the end.
std::size_t ReadSome(int fd, const std::string& name, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            Fail(name, SystemReason(errno));
        }
        StopIfInterrupted();
    }
}

// Opens `path` without waiting for a FIFO's writer and gives what it is.
FileDescriptor OpenWithStatus(const std::string& path, struct stat& status) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        Fail(path, SystemReason(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        Fail(path, SystemReason(EISDIR));
    }
    return file;
}

// Refuses what is no regular file, or one larger than `max_bytes`.
void CheckRegular(const std::string& path, const struct stat& status, std::size_t max_bytes) {
    if (!S_ISREG(status.st_mode)) {
        Fail(path, "not a regular file");
    }
    if (static_cast<std::size_t>(status.st_size) > max_bytes) {
        Fail(path, TooLarge(max_bytes));
    }
}

}  // namespace

FileDescriptor OpenRegularFile(const std::string& path, std::size_t max_bytes, std::size_t* size) {
    struct stat status {};
    FileDescriptor file = OpenWithStatus(path, status);
    CheckRegular(path, status, max_bytes);
    if (size != nullptr) {
        *size = static_cast<std::size_t>(status.st_size);
    }
    return file;
}

bool IsPipe(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

FileDescriptor OpenFileOrPipe(const std::string& path, std::size_t max_bytes) {
    // Told apart before opening: even a non-blocking open of a FIFO lets its
    // writer go ahead, and opening it again would then wait for a second one.
    if (!IsPipe(path)) {
        return OpenRegularFile(path, max_bytes);
    }
    // Blocking, so that reading waits for the writer as standard input does.
    FileDescriptor pipe(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (pipe.get() < 0) {
        if (errno == EINTR) {
            StopIfInterrupted();
        }
        Fail(path, SystemReason(errno));
    }
    return pipe;
}

std::string ReadFileBytes(const std::string& path, std::size_t max_bytes) {
    std::size_t size = 0;
    const FileDescriptor file = OpenRegularFile(path, max_bytes, &size);
    // Read straight into a buffer of the file's size, one byte more to see its end;
    // a file that grows meanwhile takes the slow way.
    std::string bytes(size + 1, '\0');
    std::size_t used = 0;
    while (used < bytes.size()) {
        const std::size_t got =
            ReadSome(file.get(), path, bytes.data() + used, bytes.size() - used);
        if (got == 0) {
            bytes.resize(used);
            return bytes;
        }
        used += got;
    }
    ReadPieces(file.get(), path, SIZE_MAX, [&](std::string_view piece) {
        bytes += piece;
        if (bytes.size() > max_bytes) {
            Fail(path, TooLarge(max_bytes));
        }
    });
    return bytes;
}

std::size_t ReadPieces(int fd, const std::string& name, std::size_t max_bytes,
                       const std::function<void(std::string_view)>& piece) {
    // Small enough to stay in the cache, large enough to keep system calls few.
    constexpr std::size_t kPiece = std::size_t{128} << 10;
    const auto buffer = std::make_unique<char[]>(kPiece);
    std::size_t total = 0;
    while (const std::size_t got = ReadSome(fd, name, buffer.get(), kPiece)) {
        StopIfInterrupted();
        total += got;
        if (total > max_bytes) {
            Fail(name, TooLarge(max_bytes));
        }
        piece({buffer.get(), got});
    }
    return total;
}

}  // namespace flg2scn
