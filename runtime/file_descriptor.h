#pragma once

#include <utility>

namespace flg2scn {

// An open file, pipe or console as the operating system holds it: a descriptor
// on POSIX, a HANDLE on Windows.
#ifdef _WIN32
using NativeFile = void*;
#else
using NativeFile = int;
#endif

// What stands for no open file (-1, or INVALID_HANDLE_VALUE).
NativeFile NoFile();

// An open file, closed on destruction.
class FileDescriptor {
  public:
    explicit FileDescriptor(NativeFile file = NoFile()) : fd_(file) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, NoFile())) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, NoFile());
        }
        return *this;
    }
    NativeFile get() const { return fd_; }
    bool is_open() const { return fd_ != NoFile(); }
    // Closes it now; 0, or the errno of a failed close (a write that failed late).
    int Close();

  private:
    NativeFile fd_;
};

// Standard input and output, read and written as bytes, never as text.
NativeFile StandardInput();
NativeFile StandardOutput();

}  // namespace flg2scn
