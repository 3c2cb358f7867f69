#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flg2scn {

// How a system writes file names. On POSIX only '/' separates folders. On
// Windows '\' does too, and a drive's letter and colon may start a name: "C:a"
// is in the drive's current folder, "C:\a" in its root.
enum class PathStyle { kPosix, kWindows };

// This system's style; from the system's own file_system_*.cpp.
PathStyle SystemPathStyle();

// The folder that `path` names a file in, as a name that opens it: "." for a
// bare name.
std::string FolderOf(const std::string& path, PathStyle style = SystemPathStyle());

// A new name for a hidden file in `folder`: ".flg2scn-" and six random letters
// and digits.
std::string HiddenName(const std::string& folder, PathStyle style = SystemPathStyle());

// The hidden name that new contents for `target` take before they replace it:
// ".NAME.flg2scn" beside it, so that one left by a writer cut off (by SIGKILL or
// a power cut) is known as such, and goes with the next write of NAME.
std::string HiddenNameFor(const std::string& target, PathStyle style = SystemPathStyle());

// Whether `path` names a Windows named pipe (\\.\pipe\NAME).
bool IsPipeName(std::string_view path);

// The descriptor N that `path` names an open file by, on POSIX: /dev/fd/N or
// /proc/self/fd/N, and /dev/stdin, /dev/stdout and /dev/stderr for 0, 1 and 2.
// Nothing for any other name.
std::optional<int> DescriptorNamed(std::string_view path, PathStyle style = SystemPathStyle());

}  // namespace flg2scn
