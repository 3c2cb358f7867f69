#include "runtime/file_batch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace flg2scn {

// A file of the batch, and what went wrong with it since it was added.
struct FileBatch::Entry {
    ReplacementFile file;
    std::optional<FileError> error;
};

namespace {

// Holds back the signals that end a program by default, so that the names are
// given completely (a held signal ends the program once they are).
class TerminationHeld {
  public:
    TerminationHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) {
            sigaddset(&held, signal);
        }
        pthread_sigmask(SIG_BLOCK, &held, &old_);
    }
    ~TerminationHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    TerminationHeld(const TerminationHeld&) = delete;
    TerminationHeld& operator=(const TerminationHeld&) = delete;

  private:
    sigset_t old_;
};

}  // namespace

FileBatch::FileBatch() {
    // Each file is held open until Commit; leave most descriptors to the rest.
    constexpr std::size_t kMostFiles = 512;
    struct rlimit limit {};
    const std::size_t open_files =
        ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
            ? static_cast<std::size_t>(limit.rlim_cur)
            : kMostFiles;
    capacity_ = std::clamp<std::size_t>(open_files / 4, 1, kMostFiles);
}

FileBatch::~FileBatch() = default;

bool FileBatch::Full() const {
    return files_.size() >= capacity_;
}

std::size_t FileBatch::size() const {
    return files_.size();
}

void FileBatch::Add(const std::string& path, std::string_view bytes) {
    ReplacementFile file(path);
    file.Write(bytes);
    // Written in place: done, and a reader of a FIFO sees its end now.
    if (file.in_place()) {
        file.Publish();
    }
    files_.push_back({std::move(file), std::nullopt});
}

bool FileBatch::Pending(const std::string& path) const {
    if (files_.empty()) {
        return false;
    }
    // A name that does not exist yet may be one that Commit creates; one that
    // exists is ours only as an old file to be replaced (a new one has no name).
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return true;
    }
    return std::any_of(files_.begin(), files_.end(), [&](const Entry& entry) {
        return entry.file.Replaces(status.st_dev, status.st_ino);
    });
}

// One file is synced by itself; a group by one sync of each file system it is
// on, and where that fails, file by file to learn which.
void FileBatch::Sync(const std::vector<Entry*>& entries) {
    const auto sync_each = [&](dev_t device, bool all) {
        for (Entry* entry : entries) {
            if (all || entry->file.device() == device) {
                if (const int error = entry->file.Sync(); error != 0) {
                    entry->error = FileError(FileError::Operation::kWrite, entry->file.path(),
                                             SystemReason(error));
                }
            }
        }
    };
    if (entries.size() == 1) {
        sync_each(0, true);
        return;
    }
    std::vector<dev_t> synced;
    for (const Entry* entry : entries) {
        const dev_t device = entry->file.device();
        if (std::find(synced.begin(), synced.end(), device) != synced.end()) {
            continue;
        }
        synced.push_back(device);
        if (entry->file.SyncFileSystem() != 0) {
            sync_each(device, false);
        }
    }
}

std::vector<std::optional<FileError>> FileBatch::Commit() {
    std::vector<Entry*> written;
    for (Entry& entry : files_) {
        if (!entry.file.in_place()) {
            written.push_back(&entry);
        }
    }
    Sync(written);
    std::vector<std::string> folders;
    {
        const TerminationHeld held;
        for (Entry* entry : written) {
            if (entry->error) {
                continue;
            }
            try {
                entry->file.Publish();
            } catch (const FileError& error) {
                entry->error = error;
                continue;
            }
            if (std::find(folders.begin(), folders.end(), entry->file.folder()) == folders.end()) {
                folders.push_back(entry->file.folder());
            }
        }
    }
    // Make the names durable; the new contents are in place either way.
    for (const std::string& folder : folders) {
        const FileDescriptor opened(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (opened.get() >= 0) {
            ::fsync(opened.get());
        }
    }
    std::vector<std::optional<FileError>> errors;
    for (Entry& entry : files_) {
        errors.push_back(std::move(entry.error));
    }
    files_.clear();
    return errors;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    FileBatch batch;
    batch.Add(path, bytes);
    if (auto error = std::move(batch.Commit().front())) {
        throw *error;
    }
}

}  // namespace flg2scn
