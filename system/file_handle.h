#pragma once

#include <utility>

// NativeFile, an open file as the system holds it: from the system's own folder,
// linux/ or win32/, which the build puts on the include path.
#include "native_file.h"

namespace flg2scn {

// What stands for no open file (-1, or INVALID_HANDLE_VALUE).
NativeFile NoFile();

// An open file, closed on destruction.
class FileHandle {
  public:
    explicit FileHandle(NativeFile file = NoFile()) : native_(file) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : native_(std::exchange(other.native_, NoFile())) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            native_ = std::exchange(other.native_, NoFile());
        }
        return *this;
    }
    NativeFile get() const { return native_; }
    bool is_open() const { return native_ != NoFile(); }
    // Closes it now; 0, or the errno of a failed close (a write that failed late).
    int Close();

  private:
    NativeFile native_;
};

// Standard input, output and error, read and written as bytes, never as text.
// One that was closed when the program started stands for no file (see
// SetUpStandardStreams), so that using it fails as it would have.
NativeFile StandardInput();
NativeFile StandardOutput();
NativeFile StandardError();

}  // namespace flg2scn
