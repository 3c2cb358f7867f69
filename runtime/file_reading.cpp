#include "runtime/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/file_error.h"

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

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads to the end into `bytes`, whose size is the first guess of what comes;
// fails once more than `max_bytes` arrive.
void ReadToEnd(int fd, const std::string& name, std::size_t max_bytes, std::string& bytes) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(used + kChunk);
        }
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(name, SystemReason(errno));
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
        if (used > max_bytes) {
            Fail(name, TooLarge(max_bytes));
        }
    }
    bytes.resize(used);
}

}  // namespace

std::string ReadFileBytes(const std::string& path, std::size_t max_bytes) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        Fail(path, SystemReason(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        Fail(path, SystemReason(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        Fail(path, SystemReason(EISDIR));
    }
    if (!S_ISREG(status.st_mode)) {
        Fail(path, "not a regular file");
    }
    if (static_cast<std::size_t>(status.st_size) > max_bytes) {
        Fail(path, TooLarge(max_bytes));
    }
    // One byte more than the size, so that the end of a file that has not grown
    // is seen without growing the buffer.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    ReadToEnd(file.get(), path, max_bytes, bytes);
    return bytes;
}

std::string ReadStreamBytes(int fd, const std::string& name, std::size_t max_bytes) {
    std::string bytes;
    ReadToEnd(fd, name, max_bytes, bytes);
    return bytes;
}

}  // namespace flg2scn
