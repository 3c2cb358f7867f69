#include "runtime/path_names.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>
#include <utility>

namespace flg2scn {
namespace {

constexpr PathStyle kPosix = PathStyle::kPosix;
constexpr PathStyle kWindows = PathStyle::kWindows;

TEST(PathNames, FoldersOfFiles) {
    const std::tuple<PathStyle, std::string, std::string> rows[] = {
        {kPosix, "a.scn", "."},
        {kPosix, "/a.scn", "/"},
        {kPosix, "d/e/a.scn", "d/e"},
        {kPosix, "d\\a.scn", "."},
        {kPosix, "C:a.scn", "."},
        {kWindows, "a.scn", "."},
        {kWindows, "C:a.scn", "C:"},
        {kWindows, "C:\\a.scn", "C:\\"},
        {kWindows, "C:/a.scn", "C:/"},
        {kWindows, "\\a.scn", "\\"},
        {kWindows, "d/e\\a.scn", "d/e"},
        {kWindows, "d\\e/a.scn", "d\\e"},
        {kWindows, "C:d\\a.scn", "C:d"},
        {kWindows, "\\\\server\\share\\a.scn", "\\\\server\\share"}};
    for (const auto& [style, path, folder] : rows) {
        EXPECT_EQ(FolderOf(path, style), folder) << path;
    }
}

TEST(PathNames, HiddenNamesInAFolder) {
    const std::tuple<PathStyle, std::string, std::string> rows[] = {
        {kPosix, "d", "d/.flg2scn-"},     {kPosix, "/", "/.flg2scn-"},
        {kPosix, "d\\", "d\\/.flg2scn-"}, {kWindows, "d", "d\\.flg2scn-"},
        {kWindows, "C:", "C:.flg2scn-"},  {kWindows, "C:\\", "C:\\.flg2scn-"},
        {kWindows, "d/", "d/.flg2scn-"}};
    for (const auto& [style, folder, start] : rows) {
        const std::string name = HiddenName(folder, style);
        EXPECT_EQ(name.substr(0, start.size()), start);
        EXPECT_EQ(name.size(), start.size() + 6) << name;
        for (const char c : name.substr(start.size())) {
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << name;
        }
        EXPECT_NE(HiddenName(folder, style), name);
    }
}

TEST(PathNames, PipeNames) {
    const std::pair<std::string, bool> rows[] = {{"\\\\.\\pipe\\flags", true},
                                                 {"\\\\.\\pipe\\", false},
                                                 {"\\\\.\\pipes\\flags", false},
                                                 {"\\\\?\\pipe\\flags", false},
                                                 {"x\\\\.\\pipe\\flags", false}};
    for (const auto& [path, pipe] : rows) {
        EXPECT_EQ(IsPipeName(path), pipe) << path;
    }
}

}  // namespace
}  // namespace flg2scn
