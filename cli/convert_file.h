#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

// Loads `input`, converts it as "&Convert It" does and writes the scenario as
// "&Save .SCN" does. Returns nothing on success, or why it failed; then nothing
// is written.
std::optional<ConversionFailure> ConvertFlagFile(const std::string& input,
                                                 const std::string& output);

}  // namespace flg2scn
