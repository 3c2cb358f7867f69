#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "system/file_handle.h"
#include "system/file_system.h"

namespace flg2scn {

// Opens a regular file for reading and gives its size in `size` when asked.
// Anything else (a folder, a device, a FIFO) and a file of more than `max_bytes`
// are refused with a FileError.
FileHandle OpenRegularFile(const std::string& path, std::size_t max_bytes,
                           std::size_t* size = nullptr);

// Opens a regular file as OpenRegularFile does, or a pipe or FIFO (a /dev/fd name
// from process substitution, a named pipe), which is read like standard input:
// its opening waits for a writer.
FileHandle OpenFileOrPipe(const std::string& path, std::size_t max_bytes);

// All bytes of a regular file, opened as OpenRegularFile does.
std::string ReadFileBytes(const std::string& path, std::size_t max_bytes);

// Reads an open stream to its end in pieces, handing each to `piece`; fails once
// more than `max_bytes` arrive, and stops with Interruption once a caught signal
// came. Errors name the stream `name`. Returns the count.
std::size_t ReadPieces(NativeFile fd, const std::string& name, std::size_t max_bytes,
                       const std::function<void(std::string_view)>& piece);

}  // namespace flg2scn
