#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "system/file_handle.h"

namespace flg2scn {

// The operating system's file operations that the file rules build on, one
// implementation for Linux (file_system_linux.cpp) and one for Windows
// (file_system_win32.cpp). File names are UTF-8 on Windows. Failures are
// FileErrors naming the file as the caller gave it, with the reason in the
// words of SystemReason.

// To be called first, before the program opens anything. Makes standard input,
// output and error carry bytes as they are: Windows's C library would otherwise
// turn LF into CR LF and stop reading at Ctrl+Z, and text written to a console
// is then taken as UTF-8. On POSIX, notes the descriptors the program inherited
// (see NamesOwnDescriptor), and opens /dev/null on any of 0, 1 and 2 that is
// closed, so that none of the program's own files takes their numbers and is
// read or written as a standard stream.
void SetUpStandardStreams();

enum class FileKind { kRegular, kPipe, kFolder, kOther };

// Opens `path` for reading without waiting for a pipe's writer, and tells what it
// is and, for a regular file, its size.
FileHandle OpenForReading(const std::string& path, FileKind& kind, std::uint64_t& size);

// Opens a pipe or FIFO for reading. Its reads wait for its writer as standard
// input's do; a caught signal stops the wait with Interruption.
FileHandle OpenPipe(const std::string& path);

// Whether `path` names a pipe or FIFO.
bool IsPipe(const std::string& path);

// Reads up to `size` bytes, 0 at the end; a caught signal stops it with
// Interruption. Errors name `name`.
std::size_t ReadSome(NativeFile file, const std::string& name, char* buffer, std::size_t size);

// Writes all of `bytes` to an open file or stream such as standard output.
void WriteStreamBytes(NativeFile file, const std::string& name, std::string_view bytes);

// Which file a name stands for, links followed; nothing when there is none.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);
// Which file an open file or stream is; nothing for one that is no file (a
// console on Windows) or none at all.
std::optional<FileIdentity> IdentityOfOpen(NativeFile file);

// Whether `path` names a descriptor (see DescriptorNamed) that the program did
// not inherit: it could only be one of the program's own files, so the name
// stands for no file at all. Never on Windows, and never before
// SetUpStandardStreams.
bool NamesOwnDescriptor(const std::string& path);

// How many files a process may hold open at once, where there is a limit.
std::optional<std::size_t> OpenFileLimit();

// Syncs `folder` itself (fsync of the folder, or where that fails syncfs of its
// file system), so that a rename or a new file in it survives a power cut; on
// Windows MoveFileEx's write-through already did. Gives 0, or the errno of a
// failure, which changes nothing already in place.
int SyncFolder(const std::string& folder);

}  // namespace flg2scn
