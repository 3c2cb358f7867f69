#pragma once

#include "commands/services.h"

namespace flg2scn {

// The desktop's files: the file system, by the rules of system/ (regular files
// only, replaced atomically and durably).
class DiskFiles final : public FileStore {
  public:
    std::string ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) override;
    void ReplaceBytes(const std::filesystem::path& name, std::string_view bytes) override;
};

}  // namespace flg2scn
