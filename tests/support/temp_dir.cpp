#include "support/temp_dir.h"

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>

namespace flg2scn::test {

// A random name is taken already only by chance.
TempDir::TempDir() {
    std::random_device random;
    do {
        path_ =
            std::filesystem::temp_directory_path() / ("flg2scn-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Names() const {
    std::string names;
    for (const auto& entry : std::set<std::filesystem::path>(
             std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator())) {
        names += (names.empty() ? "" : " ") + entry.filename().string();
    }
    return names;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    if (!std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes))) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

}  // namespace flg2scn::test
