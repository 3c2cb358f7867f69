// What reading and replacing files meet on Windows and not on POSIX.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "support/temp_dir.h"
#include "system/file_error.h"
#include "system/file_reading.h"
#include "system/file_system.h"
#include "system/file_writing.h"
#include "system/replacement_file.h"
#include "system/text_file.h"

namespace flg2scn {
namespace {

// A read-only target and one that another program holds open without sharing are
// refused, and each keeps its old contents; nothing else is left in the folder.
TEST(ReplacementFileWindows, RefusedTargetsKeepTheirContents) {
    test::TempDir dir;
    const std::string read_only = dir.Path("read-only.scn");
    const std::string held = dir.Path("held.scn");
    test::WriteBytes(read_only, "old");
    test::WriteBytes(held, "old");
    ASSERT_TRUE(::SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_READONLY));
    const HANDLE holder = ::CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    for (const std::string& target : {read_only, held}) {
        try {
            ReplaceFileBytes(target, "new");
            ADD_FAILURE() << target << " was written";
        } catch (const FileError& error) {
            // Windows's words for ERROR_ACCESS_DENIED, as wine has them.
            EXPECT_EQ(error.reason, "Access denied") << target;
        }
    }
    ::CloseHandle(holder);
    ::SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::ReadBytes(read_only) + test::ReadBytes(held), "oldold");
    EXPECT_EQ(dir.Names(), "held.scn read-only.scn");
}

// New contents take the target's hidden name, .NAME.flg2scn: a file there that a
// live writer holds open is left to it, and one that a writer cut off left is
// replaced and goes; contents given up go too.
TEST(ReplacementFileWindows, TheHiddenNameOfAWriterCutOffIsTakenBack) {
    test::TempDir dir;
    const std::string target = dir.Path("a.scn");
    const std::string hidden = dir.Path(".a.scn.flg2scn");
    test::WriteBytes(target, "old");
    test::WriteBytes(hidden, "cut off");
    const HANDLE live = ::CreateFileA(hidden.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(live, INVALID_HANDLE_VALUE);
    ReplaceFileBytes(target, "one");
    ::CloseHandle(live);
    EXPECT_EQ(test::ReadBytes(target) + test::ReadBytes(hidden), "onecut off");
    ReplaceFileBytes(target, "two");
    EXPECT_EQ(test::ReadBytes(target), "two");
    EXPECT_EQ(dir.Names(), "a.scn");
    // One that cannot be replaced (here a folder) is left, and a random name taken.
    ASSERT_TRUE(std::filesystem::create_directory(hidden));
    ReplaceFileBytes(target, "three");
    EXPECT_EQ(test::ReadBytes(target), "three");
    EXPECT_EQ(dir.Names(), ".a.scn.flg2scn a.scn");
    // New contents given up go, though still open.
    {
        ReplacementFile given_up(target);
        given_up.Write("four");
    }
    EXPECT_EQ(test::ReadBytes(target), "three");
    EXPECT_EQ(dir.Names(), ".a.scn.flg2scn a.scn");
}

// A name that the ANSI code page cannot hold is written and read, and an old
// file is replaced; a device is written in place.
TEST(ReplacementFileWindows, NamesOutsideTheAnsiCodePageAndDevices) {
    test::TempDir dir;
    ReplaceFileBytes("NUL", "x");
    const std::u8string name = u8"\u03A9-\u65E5\u672C.scn";
    const std::filesystem::path path = dir.path() / name;
    ReplaceFileBytes(Utf8Name(path), "old");
    ReplaceFileBytes(Utf8Name(path), "#\xE9\r\n");
    EXPECT_EQ(ReadFileBytes(Utf8Name(path), 16), "#\xE9\r\n");
    EXPECT_EQ(std::filesystem::file_size(dir.path() / name), 4U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// An anonymous pipe whose writer has closed it reads to its end, not to an error.
TEST(FileSystemWindows, APipeEndsWhenItsWriterCloses) {
    HANDLE ends[2] = {};
    ASSERT_TRUE(::CreatePipe(&ends[0], &ends[1], nullptr, 0));
    WriteStreamBytes(ends[1], "pipe", "ab");
    ::CloseHandle(ends[1]);
    char buffer[4];
    EXPECT_EQ(ReadSome(ends[0], "pipe", buffer, 4) + ReadSome(ends[0], "pipe", buffer, 4), 2U);
    ::CloseHandle(ends[0]);
}

}  // namespace
}  // namespace flg2scn
