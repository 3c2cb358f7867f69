// Runs flg2scn-cli as a process, as a user or a script would.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/convert_file.h"
#include "support/harbour.h"
#include "support/temp_dir.h"
#include "tests/cli/cli_runner.h"

namespace flg2scn {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::RunCli;
using test::TempDir;
using test::WriteBytes;

std::string Bytes(std::u16string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

const std::string kHarbourFlg = Bytes(test::kHarbourFlags);
// What "&Save .SCN" writes: the scenario, then one more CR LF.
const std::string kHarbourScn = Bytes(test::kHarbourScenario) + "\r\n";

TEST(Cli, ScenarioFileNames) {
    const struct {
        std::string flag_file;
        std::string scenario_file;
    } samples[] = {
        {"a.flg", "a.scn"},
        {"dir/A.FLG", "dir/A.scn"},
        {"a.Flg", "a.scn"},
        {"a.txt", "a.txt.scn"},
        {"flg", "flg.scn"},
        {".flg", ".scn"},
        {"a.flg.bak", "a.flg.bak.scn"},
    };
    for (const auto& sample : samples) {
        EXPECT_EQ(ScenarioFileName(sample.flag_file), sample.scenario_file);
    }
}

TEST(Cli, ConvertsAFileBesideIt) {
    TempDir dir;
    WriteBytes(dir.Path("harbour.FLG"), "#Harbour\r<100 200 40>\r<1024 512 96>");
    const CliRun run = RunCli(dir, {"harbour.FLG"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(dir.Path("harbour.scn")), kHarbourScn);
}

TEST(Cli, ABatchGoesOnPastABadFile) {
    TempDir dir;
    WriteBytes(dir.Path("good.flg"), kHarbourFlg);
    WriteBytes(dir.Path("bad.flg"), "<1 2 3>\r\n<4 5 6>\r\n");
    WriteBytes(dir.Path("bad.scn"), "old");
    WriteBytes(dir.Path("four.flg"), "#4\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n");
    WriteBytes(dir.Path("other.txt"), kHarbourFlg);
    const CliRun run = RunCli(dir, {"good.flg", "bad.flg", "four.flg", "other.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "flg2scn-cli: bad.flg: No # header.\n"
              "flg2scn-cli: four.flg: An error occurred while proccessing the flag data.\n");
    EXPECT_EQ(ReadBytes(dir.Path("good.scn")), kHarbourScn);
    EXPECT_EQ(ReadBytes(dir.Path("other.txt.scn")), kHarbourScn);
    EXPECT_EQ(ReadBytes(dir.Path("bad.scn")), "old");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("four.scn")));
}

TEST(Cli, MessagesOfTheConvertCommand) {
    const struct {
        std::string input;
        std::string error;
    } samples[] = {
        {"", "flg2scn-cli: -: Nothing to convert!\n"},
        {"#H\r\n<1 2 3>\r\n", "flg2scn-cli: -: Incorrect number of flag locations.\n"},
        {"#\r\n<1 2 3>\r\n<1 2 3>\r\n", "flg2scn-cli: -: No # header.\n"},
        {"#H\r\n<1>\r\n<1 2 3>\r\n",
         "flg2scn-cli: -: An error occurred while proccessing the flag data.\n"},
    };
    TempDir dir;
    for (const auto& sample : samples) {
        const CliRun run = RunCli(dir, {"-"}, sample.input);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, sample.error);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Cli, StandardStreamsAndOutputNames) {
    TempDir dir;
    WriteBytes(dir.Path("h.flg"), kHarbourFlg);

    CliRun run = RunCli(dir, {"-"}, kHarbourFlg);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kHarbourScn);

    run = RunCli(dir, {"-o", "-", "h.flg"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kHarbourScn);

    run = RunCli(dir, {"--output=out/../named.scn", "-"}, kHarbourFlg);
    EXPECT_EQ(run.status, 1);  // the folder "out" does not exist
    EXPECT_NE(run.err.find("cannot write out/../named.scn: No such file or directory"),
              std::string::npos);

    run = RunCli(dir, {"-o", "named.scn", "-"}, kHarbourFlg);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(dir.Path("named.scn")), kHarbourScn);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("h.scn")));

    run = RunCli(dir, {"-o", "/dev/full", "h.flg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "flg2scn-cli: h.flg: cannot write /dev/full: No space left on device\n");
}

TEST(Cli, UsageErrors) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out_start;
    } samples[] = {
        {{}, 2, ""},
        {{"--frobnicate", "a.flg"}, 2, ""},
        {{"-o"}, 2, ""},
        {{"-o", "x.scn", "a.flg", "b.flg"}, 2, ""},
        {{"--help"}, 0, "Usage: flg2scn-cli"},
        {{"--version"}, 0, "flg2scn-cli "},
    };
    TempDir dir;
    for (const auto& sample : samples) {
        const CliRun run = RunCli(dir, sample.args);
        EXPECT_EQ(run.status, sample.status) << ::testing::PrintToString(sample.args);
        EXPECT_TRUE(run.out.starts_with(sample.out_start)) << run.out;
        EXPECT_EQ(run.err.empty(), sample.status == 0) << run.err;
    }
    // "--" ends the options: a file may begin with '-'.
    WriteBytes(dir.Path("-x.flg"), kHarbourFlg);
    EXPECT_EQ(RunCli(dir, {"--", "-x.flg"}).status, 0);
    EXPECT_EQ(ReadBytes(dir.Path("-x.scn")), kHarbourScn);
}

}  // namespace
}  // namespace flg2scn
