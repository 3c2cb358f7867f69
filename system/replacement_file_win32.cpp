#include <windows.h>

#include <cerrno>
#include <utility>

#include "system/file_error.h"
#include "system/path_names.h"
#include "system/replacement_file.h"
#include "system/windows_text.h"

namespace flg2scn {

ReplacementFile::ReplacementFile(const std::string& path) : path_(path), target_(path) {
    const std::wstring wide = WideOf(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            throw WriteError(path, EISDIR);
        }
        // Shared for deletion too, so that another run may replace it meanwhile.
        FileHandle existing(::CreateFileW(wide.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        // A device (NUL, CON) or a pipe is written in place; a file whose kind
        // cannot be told is not written at all.
        const DWORD type = existing.is_open() ? ::GetFileType(existing.get()) : FILE_TYPE_DISK;
        if (type == FILE_TYPE_UNKNOWN && ::GetLastError() != NO_ERROR) {
            throw WriteError(path, ErrnoOf(::GetLastError()));
        }
        if (type != FILE_TYPE_DISK) {
            file_ = std::move(existing);
            in_place_ = true;
            return;
        }
        // The old file is replaced, not written to; still, one that may not be
        // written is kept.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            throw WriteError(path, EACCES);
        }
        had_old_ = true;
        old_ = IdentityOf(path).value_or(FileIdentity{});
    } else if (const DWORD error = ::GetLastError();
               error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        throw WriteError(path, ErrnoOf(error));
    }
    folder_ = FolderOf(path);
    // The new contents take the target's hidden name, over what a writer cut off
    // left there. A live writer holds its file open, sharing it only to be
    // renamed, until it has the target's name; so that another writer's name is
    // refused and a random one is taken instead; so is a name too long.
    temporary_ = HiddenNameFor(path);
    file_ = FileHandle(::CreateFileW(WideOf(temporary_).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE,
                                     nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    for (int tries = 0; tries < 100 && !file_.is_open(); ++tries) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_FILE_EXISTS &&
            error != ERROR_FILENAME_EXCED_RANGE && (tries > 0 || error != ERROR_ACCESS_DENIED)) {
            break;
        }
        temporary_ = HiddenName(folder_);
        file_ =
            FileHandle(::CreateFileW(WideOf(temporary_).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE,
                                     nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    if (!file_.is_open()) {
        const int error = ErrnoOf(::GetLastError());
        if (error == ENOENT) {
            throw WriteError(path, error);
        }
        throw FolderWriteError(path, folder_, error);
    }
    device_ = IdentityOf(temporary_).value_or(FileIdentity{}).device;
}

ReplacementFile::~ReplacementFile() {
    Discard();
}

// A file is deleted once it is closed.
void ReplacementFile::Discard() {
    if (!temporary_.empty()) {
        file_.Close();
        ::DeleteFileW(WideOf(temporary_).c_str());
        temporary_.clear();
    }
}

void ReplacementFile::Write(std::string_view bytes) {
    WriteStreamBytes(file_.get(), path_, bytes);
}

int ReplacementFile::Sync() const {
    return ::FlushFileBuffers(file_.get()) ? 0 : ErrnoOf(::GetLastError());
}

// Windows syncs a whole volume only for an administrator. Failing, this has the
// caller sync each file by itself; syncing this one alone would leave the rest.
int ReplacementFile::SyncFileSystem() const {
    return ENOTSUP;
}

namespace {

// Windows refuses to replace a file that any program holds open, for as long as
// it does: another run looking at it, a virus scanner. Such a hold is short, so
// the move is tried again for about a second before it counts as failed.
bool Move(const std::string& from, const std::string& to) {
    for (DWORD wait = 1;; wait *= 2) {
        if (::MoveFileExW(WideOf(from).c_str(), WideOf(to).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || wait > 512) {
            ::SetLastError(error);
            return false;
        }
        ::Sleep(wait);
    }
}

}  // namespace

// Renamed while still open: closed first, the hidden name would be free for
// another writer to open over these contents before the rename.
void ReplacementFile::Publish() {
    if (in_place_) {
        if (const int error = file_.Close(); error != 0) {
            throw WriteError(path_, error);
        }
        return;
    }
    if (!Move(temporary_, target_)) {
        const int reason = ErrnoOf(::GetLastError());
        Discard();
        throw WriteError(path_, reason);
    }
    temporary_.clear();
    // Sync flushed the contents; the new file is in place whatever this says.
    file_.Close();
}

}  // namespace flg2scn
