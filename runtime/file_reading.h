#pragma once

#include <cstddef>
#include <string>

namespace flg2scn {

// The most a text file may hold: a text area is no place for more.
constexpr std::size_t kMaxTextFileBytes = std::size_t{64} << 20;

// All bytes of a regular file. Anything else (a folder, a device, a FIFO) and a
// file of more than `max_bytes` are refused with a FileError.
std::string ReadFileBytes(const std::string& path, std::size_t max_bytes);

// All bytes of an open stream such as standard input, named `name` in errors.
std::string ReadStreamBytes(int fd, const std::string& name, std::size_t max_bytes);

}  // namespace flg2scn
