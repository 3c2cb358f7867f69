#include "system/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "support/temp_dir.h"
#include "system/file_error.h"
#include "system/file_handle.h"
#include "system/file_reading.h"
#include "system/file_system.h"
#include "system/file_writing.h"
#include "system/replacement_file.h"

namespace flg2scn {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// The reason of the FileError that `action` throws, or "" when it throws none.
template <typename Action>
std::string FailureReason(const std::string& path, Action action) {
    try {
        action();
    } catch (const FileError& error) {
        EXPECT_EQ(error.path, path);
        return error.reason;
    }
    return "";
}

TEST(TextFileReading, LinesOrTheReasonWhyNot) {
    test::TempDir dir;
    WriteBytes(dir.Path("a.flg"), "#A\r<1 2 3>\n<4 5 6>");
    WriteBytes(dir.Path("empty"), "");
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    WriteBytes(dir.Path("kib"), std::string(1024, 'x'));
    WriteBytes(dir.Path("mib"), "");
    std::filesystem::resize_file(dir.Path("mib"), (1 << 20) + 1);
    // clang-format off
    const std::tuple<std::string, std::size_t, std::string, std::string> samples[] = {
        {"a.flg", 1024, "#A\r<1 2 3>\n<4 5 6>", ""}, {"empty", 1024, "", ""},
        {"kib", 1024, std::string(1024, 'x'), ""},
        {"kib", 1023, "", "the file is larger than 1023 bytes"},
        {"mib", 1 << 20, "", "the file is larger than 1 MiB"},
        {"missing", 1024, "", "No such file or directory"}, {".", 1024, "", "Is a directory"},
        {"fifo", 1024, "", "not a regular file"}, {"/dev/null", 1024, "", "not a regular file"}};
    // clang-format on
    for (const auto& [name, max_bytes, text, reason] : samples) {
        const std::string path = name.starts_with('/') ? name : dir.Path(name);
        std::string read;
        EXPECT_EQ(FailureReason(path, [&, max = max_bytes] { read = ReadFileBytes(path, max); }),
                  reason);
        EXPECT_EQ(read, text) << name;
    }
}

TEST(TextFileWriting, WritesTheBytesKeepingModeOwnerAndLinks) {
    test::TempDir dir;
    WriteBytes(dir.Path("target.scn"), "old");
    ASSERT_EQ(::chmod(dir.Path("target.scn").c_str(), 0640), 0);
    std::filesystem::create_symlink("target.scn", dir.Path("link.scn"));
    std::filesystem::create_symlink("created.scn", dir.Path("dangling.scn"));
    ReplaceFileBytes(dir.Path("link.scn"), "\x80\r\nb\r\n");
    ReplaceFileBytes(dir.Path("dangling.scn"), "\r\n");
    ReplaceFileBytes("/dev/null", "x");  // a device is written in place
    EXPECT_EQ(ReadBytes(dir.Path("target.scn")), "\x80\r\nb\r\n");
    EXPECT_EQ(ReadBytes(dir.Path("created.scn")), "\r\n");
    EXPECT_EQ(std::filesystem::status(dir.Path("target.scn")).permissions(),
              std::filesystem::perms(0640));
    const mode_t mask = ::umask(0);  // a new file follows the mask
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(dir.Path("created.scn")).permissions(),
              std::filesystem::perms(0666 & ~mask));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.scn")));
    EXPECT_EQ(dir.Names(), "created.scn dangling.scn link.scn target.scn");
    // Only root can save over another user's file: it keeps its owner and its
    // group, either of which may be root's own.
    for (const auto& [uid, gid] : {std::pair<uid_t, gid_t>{65534, 0}, {0, 65533}}) {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(dir.Path("target.scn").c_str(), uid, gid), 0);
            ReplaceFileBytes(dir.Path("target.scn"), "new");
            struct stat status {};
            ASSERT_EQ(::stat(dir.Path("target.scn").c_str(), &status), 0);
            EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(uid, gid));
        }
    }
}

// A refused rename comes from an immutable old file, which only some file systems
// and users may set; creating a file is refused to root in /sys.
TEST(TextFileWriting, AFailureLeavesTheOldFileAndNoOther) {
    test::TempDir dir;
    test::TempDir locked;
    const std::string old = dir.Path("old.scn");
    WriteBytes(old, "old");
    WriteBytes(dir.Path("read-only.scn"), "old");
    ASSERT_EQ(::chmod(dir.Path("read-only.scn").c_str(), 0444), 0);
    ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::chmod(locked.path().c_str(), 0500), 0);
    const bool immutable = std::system(("chattr +i " + old + " 2>/dev/null").c_str()) == 0;
    // clang-format off
    const std::tuple<std::string, std::string, std::string> failures[] = {
        {"/dev/full", "x", "No space left on device"},
        {dir.Path("fifo"), "x", "no program is reading from it"},  // and no waiting
        {dir.Path("missing/a.scn"), "x", "No such file or directory"},
        {dir.path().string(), "x", "Is a directory"},
        {::geteuid() == 0 ? "/sys/flg2scn.scn" : locked.Path("a.scn"), "x",
         "the folder " + (::geteuid() == 0 ? "/sys" : locked.path().string()) +
             " cannot be written to (Permission denied)"},
        {immutable ? old : "/dev/null", "x", immutable ? "Permission denied" : ""},
        {dir.Path("read-only.scn"), "new", ::geteuid() == 0 ? "" : "Permission denied"}};
    // clang-format on
    for (const auto& [path, text, reason] : failures) {
        EXPECT_EQ(
            FailureReason(path, [&path = path, &bytes = text] { ReplaceFileBytes(path, bytes); }),
            reason)
            << path;
    }
    if (immutable) {
        ASSERT_EQ(std::system(("chattr -i " + old).c_str()), 0);
    }
    EXPECT_EQ(ReadBytes(old), "old");
    EXPECT_EQ(ReadBytes(dir.Path("read-only.scn")), ::geteuid() == 0 ? "new" : "old");
    EXPECT_EQ(dir.Names(), "fifo old.scn read-only.scn");
}

// New contents that cannot take the target's name are gone at once, not only
// when the object goes: a batch keeps its files until the end of their group.
TEST(ReplacementFile, AFailedPublishDiscardsTheNewContentsAtOnce) {
    test::TempDir dir;
    const std::string target = dir.Path("a.scn");
    WriteBytes(target, "old");
    ReplacementFile file(target);
    file.Write("new");
    std::filesystem::remove(target);
    std::filesystem::create_directories(target + "/x");
    EXPECT_EQ(FailureReason(target, [&] { file.Publish(); }), "Is a directory");
    EXPECT_EQ(dir.Names(), "a.scn");
}

// Stopped by the file size limit halfway through its writes: the old file stays,
// and nothing else is left in the folder. (The fault test cuts saves off by SIGKILL.)
TEST(TextFileWriting, ASaveStoppedHalfwayLeavesTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.Path("keep.scn");
    WriteBytes(path, "old");
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        ::_exit(FailureReason(path, [&] { ReplaceFileBytes(path, std::string(100000, 'n')); }) ==
                "File too large");
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(dir.Names(), "keep.scn");
}

// A save cut off after it named its new contents and before they replaced the
// old file leaves them under the target's hidden name; the next save takes them
// away, but not what a live save holds there.
TEST(TextFileWriting, TheNextSaveTakesAwayWhatACutOffOneLeft) {
    for (const bool live : {false, true}) {
        test::TempDir dir;
        WriteBytes(dir.Path("a.scn"), "old");
        WriteBytes(dir.Path(".a.scn.flg2scn"), "left");
        const FileHandle held(::open(dir.Path(".a.scn.flg2scn").c_str(), O_RDONLY));
        ASSERT_EQ(live ? ::flock(held.get(), LOCK_EX) : 0, 0);
        ReplaceFileBytes(dir.Path("a.scn"), "new");
        EXPECT_EQ(ReadBytes(dir.Path("a.scn")), "new");
        EXPECT_EQ(dir.Names(), live ? ".a.scn.flg2scn a.scn" : "a.scn");
    }
}

// Finding the descriptors that the program inherited leaves none of its own open.
TEST(StandardStreams, SetUpLeavesNoDescriptorOpen) {
    const auto open = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto before = open();
    SetUpStandardStreams();
    EXPECT_EQ(open(), before);
}

}  // namespace
}  // namespace flg2scn
