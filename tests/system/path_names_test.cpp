#include "system/path_names.h"

#include <gtest/gtest.h>

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
    const std::tuple<PathStyle, std::string, bool> rows[] = {
        {kPosix, "/dev/stdin", true}, {kPosix, "/dev/fd/3", true}, {kPosix, "/proc/self/fd/0", true},
        {kPosix, "//dev/./fd/../stdin", true}, {kPosix, "/dev/stdin.flg", false},
        {kPosix, "/dev/fd", false}, {kPosix, "dev/stdin", false}, {kWindows, "/dev/stdin", false}};
    // clang-format on
    for (const auto& [style, path, descriptor] : rows) {
        EXPECT_EQ(IsDescriptorName(path, style), descriptor) << path;
    }
}

}  // namespace
}  // namespace flg2scn
