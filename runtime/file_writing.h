#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// Replaces the file `path` with `bytes` so that it holds either its old or its new
// contents, never a part: a temporary file in the same folder is written, synced
// and renamed over it. A symbolic link is followed and its target replaced. A name
// that exists and is not a regular file (a device, a FIFO) is written in place.
// Failures are FileErrors; the old file then stays as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Writes all of `bytes` to an open stream such as standard output.
void WriteStreamBytes(int fd, const std::string& name, std::string_view bytes);

}  // namespace flg2scn
