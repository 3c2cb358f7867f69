#include "system/file_writing.h"

#include "system/file_error.h"
#include "system/file_system.h"
#include "system/replacement_file.h"

namespace flg2scn {

void ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    ReplacementFile file(path);
    file.Write(bytes);
    // The contents are made durable before they take the name, and the folder
    // after it, so that a power cut leaves the old file or the whole new one.
    if (!file.in_place()) {
        if (const int error = file.Sync(); error != 0) {
            throw WriteError(path, error);
        }
    }
    file.Publish();
    if (!file.in_place()) {
        if (const int error = SyncFolder(file.folder()); error != 0) {
            throw WriteError(path, error);
        }
    }
}

}  // namespace flg2scn
