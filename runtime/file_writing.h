#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// Writes all of `bytes` to an open file or stream such as standard output.
// Failures are FileErrors naming `name`.
void WriteStreamBytes(int fd, const std::string& name, std::string_view bytes);

}  // namespace flg2scn
