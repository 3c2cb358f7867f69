#include "system/path_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <utility>

namespace flg2scn {
namespace {

using enum PathStyle;

TEST(PathNames, FoldersOfFiles) {
    // clang-format off
    const std::tuple<PathStyle, std::string, std::string> rows[] = {
        {kPosix, "a.scn", "."}, {kPosix, "/a.scn", "/"}, {kPosix, "d/e/a.scn", "d/e"},
        {kPosix, "d\\a.scn", "."}, {kPosix, "C:a.scn", "."},
        {kWindows, "a.scn", "."}, {kWindows, "C:a.scn", "C:"}, {kWindows, "C:\\a.scn", "C:\\"},
        {kWindows, "C:/a.scn", "C:/"}, {kWindows, "\\a.scn", "\\"}, {kWindows, "C:d\\a.scn", "C:d"},
        {kWindows, "d/e\\a.scn", "d/e"}, {kWindows, "d\\e/a.scn", "d\\e"},
        {kWindows, "\\\\server\\share\\a.scn", "\\\\server\\share"}};
    // clang-format on
    for (const auto& [style, path, folder] : rows) {
        EXPECT_EQ(FolderOf(path, style), folder) << path;
    }
}

// Six letters or digits follow the start, and differ from one name to the next.
TEST(PathNames, HiddenNamesInAFolder) {
    // clang-format off
    const std::tuple<PathStyle, std::string, std::string> rows[] = {
        {kPosix, "d", "d/.flg2scn-"}, {kPosix, "/", "/.flg2scn-"}, {kPosix, "d\\", "d\\/.flg2scn-"},
        {kWindows, "d", "d\\.flg2scn-"}, {kWindows, "C:", "C:.flg2scn-"},
        {kWindows, "C:\\", "C:\\.flg2scn-"}, {kWindows, "d/", "d/.flg2scn-"}};
    // clang-format on
    for (const auto& [style, folder, start] : rows) {
        const std::string name = HiddenName(folder, style);
        EXPECT_EQ(name.substr(0, start.size()), start);
        EXPECT_TRUE(std::regex_match(name.substr(start.size()), std::regex("[a-zA-Z0-9]{6}")));
        EXPECT_NE(HiddenName(folder, style), name);
    }
}

TEST(PathNames, PipeNames) {
    // clang-format off
    const std::pair<std::string, bool> rows[] = {
        {"\\\\.\\pipe\\flags", true}, {"\\\\.\\pipe\\", false}, {"\\\\.\\pipes\\flags", false},
        {"\\\\?\\pipe\\flags", false}, {"x\\\\.\\pipe\\flags", false}};
    // clang-format on
    for (const auto& [path, pipe] : rows) {
        EXPECT_EQ(IsPipeName(path), pipe) << path;
    }
}

TEST(PathNames, DescriptorNames) {
    // clang-format off
    const std::tuple<PathStyle, std::string, std::optional<int>> rows[] = {
        {kPosix, "/dev/stdin", 0}, {kPosix, "/dev/stdout", 1}, {kPosix, "/dev/stderr", 2},
        {kPosix, "/dev/fd/3", 3}, {kPosix, "/proc/self/fd/0", 0}, {kPosix, "/dev/fd/123456789", 123456789},
        {kPosix, "//dev/./fd/../stdin", 0}, {kPosix, "/dev/stdin.flg", std::nullopt},
        {kPosix, "/dev/fd", std::nullopt}, {kPosix, "/dev/fd/", std::nullopt},
        {kPosix, "/dev/fd/3x", std::nullopt}, {kPosix, "/dev/fd/-1", std::nullopt},
        {kPosix, "/dev/fd/1234567890", std::nullopt}, {kPosix, "dev/stdin", std::nullopt},
        {kWindows, "/dev/stdin", std::nullopt}};
    // clang-format on
    for (const auto& [style, path, descriptor] : rows) {
        EXPECT_EQ(DescriptorNamed(path, style), descriptor) << path;
    }
}

}  // namespace
}  // namespace flg2scn
