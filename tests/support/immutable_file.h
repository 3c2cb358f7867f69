#pragma once

#include <string>

namespace flg2scn::test {

// Marks a file immutable for as long as it lives, so that renaming over it is
// refused even to root. Not every file system or process may set the mark:
// `error` then says why, and the file stays as it was.
class ImmutableFile {
  public:
    explicit ImmutableFile(std::string path);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool ok() const { return error.empty(); }
    std::string error;

  private:
    bool SetFlag(bool on);

    std::string path_;
};

}  // namespace flg2scn::test
