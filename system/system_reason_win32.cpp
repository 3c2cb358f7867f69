#include <windows.h>

#include <cerrno>
#include <system_error>

#include "system/file_error.h"
#include "system/windows_text.h"

namespace flg2scn {

int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            return EPIPE;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_INVALID_HANDLE:
            return EBADF;
        default:
            return EIO;
    }
}

namespace {

// ERROR_DIRECTORY_NOT_SUPPORTED, which MinGW-w64's headers lack.
constexpr DWORD kDirectoryNotSupported = 336;

// The Windows error code that tells what an errno value of the program's says.
DWORD CodeOf(int error) {
    switch (error) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case EACCES:
            return ERROR_ACCESS_DENIED;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case ENOSPC:
            return ERROR_DISK_FULL;
        case EEXIST:
            return ERROR_FILE_EXISTS;
        case ENOTDIR:
            return ERROR_DIRECTORY;
        case EISDIR:
            return kDirectoryNotSupported;
        case EPIPE:
            return ERROR_BROKEN_PIPE;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EMFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case ENOTSUP:
            return ERROR_NOT_SUPPORTED;
        default:
            return ERROR_IO_DEVICE;
    }
}

}  // namespace

// Windows's own words, in the user's language, without the line break and the
// period that end them: the messages put their own punctuation around a reason.
std::string SystemReason(int error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, CodeOf(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text, length);
    ::LocalFree(text);
    words.erase(words.find_last_not_of(L" .\r\n") + 1);
    return words.empty() ? std::generic_category().message(error) : Utf8Of(words);
}

}  // namespace flg2scn
