#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace flg2scn::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(std::string_view name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }
    // The names in the folder, sorted and joined by blanks: what a save left there.
    std::string Names() const;

  private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

}  // namespace flg2scn::test
