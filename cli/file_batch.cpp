#include "cli/file_batch.h"

#include <algorithm>
#include <cstdint>

#include "system/file_system.h"
#include "system/interruption.h"

namespace flg2scn {

// A file of the batch, and what went wrong with it since it was added.
struct FileBatch::Entry {
    explicit Entry(const std::string& path) : file(path) {}

    ReplacementFile file;
    std::optional<FileError> error;
};

FileBatch::FileBatch() {
    // Each file is held open until Commit; leave most descriptors to the rest.
    constexpr std::size_t kMostFiles = 512;
    capacity_ = std::clamp<std::size_t>(OpenFileLimit().value_or(kMostFiles) / 4, 1, kMostFiles);
}

FileBatch::~FileBatch() = default;

bool FileBatch::Full() const {
    return files_.size() >= capacity_;
}

std::size_t FileBatch::size() const {
    return files_.size();
}

void FileBatch::Add(const std::string& path, std::string_view bytes) {
    ReplacementFile& file = files_.emplace_back(path).file;
    try {
        file.Write(bytes);
        // Written in place: done, and a reader of a FIFO sees its end now.
        if (file.in_place()) {
            file.Publish();
        }
    } catch (...) {
        files_.pop_back();
        throw;
    }
}

bool FileBatch::Pending(const std::string& path) const {
    if (files_.empty()) {
        return false;
    }
    // A name that does not exist yet may be one that Commit creates; one that
    // exists is ours only as an old file to be replaced (a new one has no name).
    const std::optional<FileIdentity> file = IdentityOf(path);
    if (!file) {
        return true;
    }
    return std::any_of(files_.begin(), files_.end(),
                       [&](const Entry& entry) { return entry.file.Replaces(*file); });
}

// One file is synced by itself; a group by one sync of each file system it is
// on, and where that fails, file by file to learn which.
void FileBatch::Sync(const std::vector<Entry*>& entries) {
    const auto sync_each = [&](std::uint64_t device, bool all) {
        for (Entry* entry : entries) {
            if (all || entry->file.device() == device) {
                if (const int error = entry->file.Sync(); error != 0) {
                    entry->error = WriteError(entry->file.path(), error);
                }
            }
        }
    };
    if (entries.size() == 1) {
        sync_each(0, true);
        return;
    }
    std::vector<std::uint64_t> synced;
    for (const Entry* entry : entries) {
        const std::uint64_t device = entry->file.device();
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
    // Make the names durable. The new contents are in place either way, but a
    // name that may be lost in a power cut is not told as written.
    for (const std::string& folder : folders) {
        const int error = SyncFolder(folder);
        if (error == 0) {
            continue;
        }
        for (Entry* entry : written) {
            if (!entry->error && entry->file.folder() == folder) {
                entry->error = WriteError(entry->file.path(), error);
            }
        }
    }
    std::vector<std::optional<FileError>> errors;
    for (Entry& entry : files_) {
        errors.push_back(std::move(entry.error));
    }
    files_.clear();
    return errors;
}

}  // namespace flg2scn
