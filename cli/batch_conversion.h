#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cli/file_batch.h"
#include "system/file_system.h"

namespace flg2scn {

// The name standing for standard input or standard output.
inline constexpr std::string_view kStandardStream = "-";

// A batch run reads larger files than the window's text area takes.
constexpr std::size_t kMaxBatchFileBytes = std::size_t{1} << 30;

// The scenario file's name beside a flag file: a final ".flg" in any letter case
// becomes ".scn"; any other name gets ".scn" appended.
std::string ScenarioFileName(const std::string& flag_file);

// Why a file did not convert: the message, and where the cause is plain, a hint
// at it to show after the message (else empty).
struct ConversionFailure {
    std::string message;
    std::string hint;
};

// Converts files one after another: each is loaded, converted as "&Convert It"
// does and its scenario written as "&Save .SCN" does, or nothing is written for
// it. An output that is standard output or standard error by any name (-,
// /dev/stdout, the file it was opened on) is written through it, as a shell's
// redirection expects, never replaced. An output that an earlier file of the run
// wrote, or that is the input itself (the same file by any name, - for standard
// input among them), is refused, so that nothing is lost; so is standard output
// as the output of one file named for it and of any other file. The
// writes are made durable together in groups (see FileBatch), a group at the
// latest once it has been open for a second, and each file's outcome is told,
// in the files' order, once its group is written. Once a caught signal has come (see
// CatchInterruptions), Convert stops with Interruption and writes nothing more;
// Finish still writes the files converted before it.
class BatchConversion {
  public:
    // Told for each file: its output, and why it failed (null if it converted).
    using OutcomeHandler = std::function<void(const std::string& input, const std::string& output,
                                              const ConversionFailure* failure)>;

    explicit BatchConversion(OutcomeHandler on_outcome)
        : on_outcome_(std::move(on_outcome)),
          standard_output_(IdentityOfOpen(StandardOutput())),
          standard_error_(IdentityOfOpen(StandardError())) {}

    void Convert(const std::string& input, const std::string& output);
    // Writes what is still in the group; returns whether every file converted.
    bool Finish();

  private:
    // A file converted: why it failed, and where in the group its write is if
    // it has one (standard output has none).
    struct Outcome {
        std::string input;
        std::string output;
        std::optional<ConversionFailure> failure;
        std::optional<std::size_t> write;
    };

    enum class Stream { kNone, kOutput, kError };

    // An output's full name, so that two spellings of one file meet: links, "."
    // and ".." resolved, and on Windows in one letter case, as Windows compares
    // names.
    std::string FullName(const std::string& output);
    // Which standard stream `output` is, if any; its identity in `identity`.
    Stream StreamOf(const std::string& output, std::optional<FileIdentity>& identity) const;
    std::optional<ConversionFailure> RefuseOutput(const std::string& input,
                                                  const std::string& output, Stream stream,
                                                  const std::optional<FileIdentity>& identity,
                                                  const std::string& full_name) const;
    std::optional<ConversionFailure> ConvertAndWrite(const std::string& input,
                                                     const std::string& output, Stream stream);
    void Commit();

    OutcomeHandler on_outcome_;
    // The files that standard output and standard error were opened on.
    std::optional<FileIdentity> standard_output_;
    std::optional<FileIdentity> standard_error_;
    FileBatch batch_;
    std::chrono::steady_clock::time_point group_opened_;
    std::vector<Outcome> outcomes_;
    // The outputs written in this run, by their full names, with their inputs.
    std::unordered_map<std::string, std::string> written_;
    // The full names of the folders written to, by their names as given.
    std::unordered_map<std::string, std::filesystem::path> folders_;
    // Which files standard output took: the first, and whether one of them was
    // named for it rather than sent there as a stream's output.
    std::optional<std::string> standard_output_of_;
    bool standard_output_named_ = false;
    bool all_converted_ = true;
};

}  // namespace flg2scn
