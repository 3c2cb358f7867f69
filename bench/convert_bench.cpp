// Conversion speed over flag texts of 1, 10 and 100 MB: two flag lines among
// many lines of notes. Compares flg2scn-cli's whole run with `wc -l` over the
// same file, and reports the program's peak memory against the file's size.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "cli/batch_conversion.h"
#include "commands/convert_command.h"
#include "support/recording_services.h"
#include "vb6/line_reading.h"

extern char** environ;

namespace flg2scn {
namespace {

constexpr std::size_t kMegabyte = 1'000'000;

// About `size` bytes of flag file: a header, a flag line, notes, the other flag line.
std::string FlagFileBytes(std::size_t size) {
    std::string bytes = "#Harbour\r\n<100 200 40>\r\n";
    bytes.reserve(size + 64);
    const std::string note = "notes: the blue flag sits on the pier by the crates, ";
    for (std::size_t line = 0; bytes.size() < size - 20; ++line) {
        bytes += note;
        bytes += std::to_string(line);
        bytes += "\r\n";
    }
    bytes += "<1024 512 96>\r\n";
    return bytes;
}

// One file per size, made once for the whole run.
const std::string& FlagFile(std::size_t megabytes) {
    static std::map<std::size_t, std::string> files;
    auto& path = files[megabytes];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("flg2scn-bench-" + std::to_string(megabytes) + "MB.flg"))
                   .string();
        const std::string bytes = FlagFileBytes(megabytes * kMegabyte);
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        // On disk before timing starts: the first save's fsync would flush it.
        ::sync();
    }
    return path;
}

std::string ScratchOutput() {
    return (std::filesystem::temp_directory_path() / "flg2scn-bench-out.scn").string();
}

void ConvertCommand(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0)) * kMegabyte;
    const std::u16string text = DecodeLines(FlagFileBytes(size));
    for (auto _ : state) {
        state.PauseTiming();
        test::MemoryTextArea text1(text);
        test::RecordingMessageBox messages;
        state.ResumeTiming();
        ConvertCommand(text1, messages);
        if (!messages.shown.empty()) {
            state.SkipWithError("the conversion failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.SetComplexityN(static_cast<std::int64_t>(size));
}
BENCHMARK(ConvertCommand)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// flg2scn-cli's path in this process: read, convert, write.
void CliPathInProcess(benchmark::State& state) {
    const auto megabytes = static_cast<std::size_t>(state.range(0));
    const std::string& input = FlagFile(megabytes);
    for (auto _ : state) {
        BatchConversion batch(
            [](const std::string&, const std::string&, const ConversionFailure*) {});
        batch.Convert(input, ScratchOutput());
        if (!batch.Finish()) {
            state.SkipWithError("the conversion failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * megabytes * kMegabyte));
    state.SetComplexityN(static_cast<std::int64_t>(megabytes * kMegabyte));
}
BENCHMARK(CliPathInProcess)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Runs a program with its output thrown away; false when it fails.
bool RunProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The program's peak resident memory in bytes, as GNU time reports it. A child
// spawned from this process would report this process's memory instead, which
// the kernel carries over into the child's peak.
double PeakMemory(const std::vector<std::string>& args) {
    const std::string report =
        (std::filesystem::temp_directory_path() / "flg2scn-bench-peak.txt").string();
    std::vector<std::string> timed{"/usr/bin/time", "-f", "%M", "-o", report};
    timed.insert(timed.end(), args.begin(), args.end());
    if (!RunProgram(timed)) {
        return -1;
    }
    double kilobytes = -1;
    std::ifstream(report) >> kilobytes;
    return kilobytes * 1024;
}

void RunProcess(benchmark::State& state, const std::vector<std::string>& args) {
    const auto megabytes = static_cast<std::size_t>(state.range(0));
    const auto file_size = static_cast<double>(std::filesystem::file_size(FlagFile(megabytes)));
    for (auto _ : state) {
        if (!RunProgram(args)) {
            state.SkipWithError("the program failed");
        }
    }
    const double peak = PeakMemory(args);
    state.counters["peak_MB"] = peak / kMegabyte;
    state.counters["peak_per_file_size"] = peak / file_size;
}

void WcLines(benchmark::State& state) {
    RunProcess(state, {"/usr/bin/wc", "-l", FlagFile(static_cast<std::size_t>(state.range(0)))});
}
BENCHMARK(WcLines)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

void CliProcess(benchmark::State& state) {
    RunProcess(state, {FLG2SCN_CLI_PATH, "-o", ScratchOutput(),
                       FlagFile(static_cast<std::size_t>(state.range(0)))});
}
BENCHMARK(CliProcess)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace flg2scn

BENCHMARK_MAIN();
