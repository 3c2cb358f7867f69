#include "system/file_reading.h"

#include <cerrno>
#include <cstdint>
#include <memory>

#include "system/file_error.h"
#include "system/file_system.h"

namespace flg2scn {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw FileError(FileError::Operation::kRead, path, reason);
}

}  // namespace

FileHandle OpenRegularFile(const std::string& path, std::size_t max_bytes, std::size_t* size) {
    FileKind kind = FileKind::kOther;
    std::uint64_t bytes = 0;
    FileHandle file = OpenForReading(path, kind, bytes);
    if (kind == FileKind::kFolder) {
        throw ReadError(path, EISDIR);
    }
    if (kind != FileKind::kRegular) {
        Fail(path, "not a regular file");
    }
    if (bytes > max_bytes) {
        throw TooLargeError(path, max_bytes);
    }
    if (size != nullptr) {
        *size = static_cast<std::size_t>(bytes);
    }
    return file;
}

FileHandle OpenFileOrPipe(const std::string& path, std::size_t max_bytes) {
    // Told apart before opening: even a non-blocking open of a FIFO lets its
    // writer go ahead, and opening it again would then wait for a second one.
    return IsPipe(path) ? OpenPipe(path) : OpenRegularFile(path, max_bytes);
}

std::string ReadFileBytes(const std::string& path, std::size_t max_bytes) {
    std::size_t size = 0;
    const FileHandle file = OpenRegularFile(path, max_bytes, &size);
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
            throw TooLargeError(path, max_bytes);
        }
    });
    return bytes;
}

std::size_t ReadPieces(NativeFile fd, const std::string& name, std::size_t max_bytes,
                       const std::function<void(std::string_view)>& piece) {
    // Small enough to stay in the cache, large enough to keep system calls few.
    constexpr std::size_t kPiece = std::size_t{128} << 10;
    const auto buffer = std::make_unique<char[]>(kPiece);
    std::size_t total = 0;
    while (const std::size_t got = ReadSome(fd, name, buffer.get(), kPiece)) {
        total += got;
        if (total > max_bytes) {
            throw TooLargeError(name, max_bytes);
        }
        piece({buffer.get(), got});
    }
    return total;
}

}  // namespace flg2scn
