// windows.h first: the other Windows headers need it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>

#include "system/file_error.h"
#include "system/file_system.h"
#include "system/interruption.h"
#include "system/path_names.h"
#include "system/windows_text.h"

namespace flg2scn {

std::wstring WideOf(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          size);
    return wide;
}

std::string Utf8Of(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                          nullptr, nullptr);
    return utf8;
}

namespace {

[[noreturn]] void FailReading(const std::string& path, DWORD error) {
    throw ReadError(path, ErrnoOf(error));
}

}  // namespace

PathStyle SystemPathStyle() {
    return PathStyle::kWindows;
}

// Handles are not numbers that a file of the program's own could take.
void SetUpStandardStreams() {
    for (const int stream : {0, 1, 2}) {
        _setmode(stream, _O_BINARY);
    }
    ::SetConsoleOutputCP(CP_UTF8);
}

NativeFile NoFile() {
    return INVALID_HANDLE_VALUE;
}

int FileHandle::Close() {
    if (native_ == INVALID_HANDLE_VALUE || native_ == nullptr) {
        return 0;
    }
    return ::CloseHandle(std::exchange(native_, INVALID_HANDLE_VALUE)) ? 0
                                                                       : ErrnoOf(::GetLastError());
}

NativeFile StandardInput() {
    return ::GetStdHandle(STD_INPUT_HANDLE);
}

NativeFile StandardOutput() {
    return ::GetStdHandle(STD_OUTPUT_HANDLE);
}

NativeFile StandardError() {
    return ::GetStdHandle(STD_ERROR_HANDLE);
}

bool NamesOwnDescriptor(const std::string&) {
    return false;
}

FileHandle OpenForReading(const std::string& path, FileKind& kind, std::uint64_t& size) {
    // Backup semantics, so that a folder opens and is told as one.
    FileHandle file(::CreateFileW(WideOf(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.is_open()) {
        FailReading(path, ::GetLastError());
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD type = ::GetFileType(file.get());
    size = 0;
    // Unknown is also what a failure gives, told apart by its error.
    if ((type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) ||
        (type == FILE_TYPE_DISK && !::GetFileInformationByHandle(file.get(), &info))) {
        FailReading(path, ::GetLastError());
    }
    if (type == FILE_TYPE_PIPE) {
        kind = FileKind::kPipe;
    } else if (type != FILE_TYPE_DISK) {
        kind = FileKind::kOther;
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        kind = FileKind::kFolder;
    } else {
        kind = FileKind::kRegular;
        size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    }
    return file;
}

FileHandle OpenPipe(const std::string& path) {
    FileHandle pipe(::CreateFileW(WideOf(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!pipe.is_open()) {
        FailReading(path, ::GetLastError());
    }
    return pipe;
}

bool IsPipe(const std::string& path) {
    // Only a named pipe's name opens as a pipe.
    return IsPipeName(path);
}

std::size_t ReadSome(NativeFile file, const std::string& name, char* buffer, std::size_t size) {
    constexpr std::size_t kMostAtOnce = std::size_t{1} << 30;
    DWORD got = 0;
    BOOL read = FALSE;
    {
        const InterruptibleRead waiting(file);
        read = ::ReadFile(file, buffer, static_cast<DWORD>(std::min(size, kMostAtOnce)), &got,
                          nullptr);
    }
    // Where a cancel cannot end the read (wine's pipes), it ends when the writer
    // closes or writes; either way the Ctrl+C that came meanwhile stops the program.
    StopIfInterrupted();
    if (!read) {
        const DWORD error = ::GetLastError();
        // A pipe whose writer closed it has simply ended.
        if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) {
            return 0;
        }
        FailReading(name, error);
    }
    return got;
}

void WriteStreamBytes(NativeFile file, const std::string& name, std::string_view bytes) {
    constexpr std::size_t kMostAtOnce = std::size_t{1} << 30;
    while (!bytes.empty()) {
        DWORD wrote = 0;
        if (!::WriteFile(file, bytes.data(),
                         static_cast<DWORD>(std::min(bytes.size(), kMostAtOnce)), &wrote,
                         nullptr)) {
            throw WriteError(name, ErrnoOf(::GetLastError()));
        }
        bytes.remove_prefix(wrote);
    }
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    const FileHandle file(::CreateFileW(
        WideOf(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return IdentityOfOpen(file.get());
}

std::optional<FileIdentity> IdentityOfOpen(NativeFile file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (file == nullptr || file == NoFile() || ::GetFileType(file) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file, &info)) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<std::size_t> OpenFileLimit() {
    // Handles are not limited as descriptors are.
    return std::nullopt;
}

// A name given with MOVEFILE_WRITE_THROUGH is durable once the move returns.
int SyncFolder(const std::string&) {
    return 0;
}

}  // namespace flg2scn
