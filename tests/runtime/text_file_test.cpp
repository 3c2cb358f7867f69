#include "runtime/text_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "runtime/file_error.h"
#include "support/temp_dir.h"

namespace flg2scn {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// The reason of the FileError that `action` throws, or "" when it throws none.
template <typename Action>
std::string FailureReason(Action action, const std::string& path) {
    try {
        action();
    } catch (const FileError& error) {
        EXPECT_EQ(error.path, path);
        return error.reason;
    }
    return "";
}

TEST(TextFileReading, ReadsLinesOfARegularFile) {
    TempDir dir;
    const std::string path = dir.Path("a.flg");
    WriteBytes(path, "#A\r<1 2 3>\n<4 5 6>");
    EXPECT_EQ(ReadTextFile(path), u"#A\r\n<1 2 3>\n<4 5 6>\r\n");
    WriteBytes(path, "");
    EXPECT_EQ(ReadTextFile(path), u"");
}

TEST(TextFileReading, RefusesWhatIsNoRegularFileOrTooLarge) {
    TempDir dir;
    const std::string fifo = dir.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = dir.Path("big");
    WriteBytes(big, std::string(1025, 'x'));
    const std::string exact = dir.Path("exact");
    WriteBytes(exact, std::string(1024, 'x'));

    const struct {
        std::string path;
        std::string reason;
    } refusals[] = {
        {dir.Path("missing.flg"), "No such file or directory"},
        {dir.path().string(), "Is a directory"},
        {fifo, "not a regular file"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto& refusal : refusals) {
        EXPECT_EQ(FailureReason([&] { ReadTextFile(refusal.path); }, refusal.path), refusal.reason);
    }
    EXPECT_EQ(FailureReason([&] { ReadTextFile(big, 1024); }, big),
              "the file is larger than 1024 bytes");
    EXPECT_EQ(ReadTextFile(exact, 1024).size(), 1026u);
}

TEST(TextFileWriting, WritesTheTextAndCrLfInTheCodePage) {
    TempDir dir;
    const std::string path = dir.Path("a.scn");
    WriteTextFile(path, u"\u20AC\r\nb");
    EXPECT_EQ(ReadBytes(path), "\x80\r\nb\r\n");
    WriteTextFile(path, u"");
    EXPECT_EQ(ReadBytes(path), "\r\n");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFileWriting, KeepsPermissionsAndFollowsLinks) {
    TempDir dir;
    const std::string target = dir.Path("target.scn");
    const std::string link = dir.Path("link.scn");
    WriteBytes(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("target.scn", link);

    WriteTextFile(link, u"new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "new\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    // A dangling link creates its target.
    const std::string dangling = dir.Path("dangling.scn");
    std::filesystem::create_symlink("created.scn", dangling);
    WriteTextFile(dangling, u"x");
    EXPECT_EQ(ReadBytes(dir.Path("created.scn")), "x\r\n");
}

TEST(TextFileWriting, FailuresLeaveTheOldFile) {
    TempDir dir;
    const std::string path = dir.Path("keep.scn");
    WriteBytes(path, "old");

    EXPECT_NE(
        FailureReason([&] { WriteTextFile(path, u"ok\r\n\u4E2D"); }, path).find("line 2, column 1"),
        std::string::npos);
    EXPECT_EQ(FailureReason([] { WriteTextFile("/dev/full", u"x"); }, "/dev/full"),
              "No space left on device");
    const std::string nowhere = dir.Path("missing/a.scn");
    EXPECT_EQ(FailureReason([&] { WriteTextFile(nowhere, u"x"); }, nowhere),
              "No such file or directory");
    EXPECT_EQ(FailureReason([&] { WriteTextFile(dir.path().string(), u"x"); }, dir.path().string()),
              "Is a directory");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFileWriting, AWriteThatFailsHalfwayLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.Path("keep.scn");
    WriteBytes(path, "old");
    // A child process whose file size limit makes the write fail after 4 KiB.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteTextFile(path, std::u16string(100000, u'n'));
        } catch (const FileError& error) {
            ::_exit(error.reason == "File too large" ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace flg2scn
