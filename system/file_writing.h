#pragma once

#include <string>
#include <string_view>

namespace flg2scn {

// Writes `bytes` over the file `path` atomically: after a failure any old file is
// as it was, and after a power cut the old file or the whole new one is there.
void ReplaceFileBytes(const std::string& path, std::string_view bytes);

}  // namespace flg2scn
