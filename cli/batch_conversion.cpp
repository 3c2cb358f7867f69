#include "cli/batch_conversion.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>
#include <variant>

#include "conversion/flag_stream.h"
#include "system/file_error.h"
#include "system/file_reading.h"
#include "system/file_system.h"
#include "system/interruption.h"
#include "system/path_names.h"

namespace flg2scn {

namespace {

// Hands a stream's bytes to the converter as they arrive.
void FeedStream(NativeFile fd, const std::string& name, FlagStreamConverter& converter) {
    ReadPieces(fd, name, kMaxBatchFileBytes,
               [&](std::string_view piece) { converter.Feed(piece); });
}

void FeedInput(const std::string& input, FlagStreamConverter& converter) {
    if (input == kStandardStream) {
        FeedStream(StandardInput(), "standard input", converter);
    } else {
        const FileHandle file = OpenFileOrPipe(input, kMaxBatchFileBytes);
        FeedStream(file.get(), input, converter);
    }
}

// Letter case as file names ignore it: in ASCII only, whatever else a name holds.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::filesystem::path PathOf(const std::string& name) {
    return {std::u8string(name.begin(), name.end())};
}

}  // namespace

std::string ScenarioFileName(const std::string& flag_file) {
    constexpr std::size_t kExtension = 4;
    const std::size_t stem = flag_file.size() - std::min(flag_file.size(), kExtension);
    std::string extension = flag_file.substr(stem);
    std::transform(extension.begin(), extension.end(), extension.begin(), AsciiLower);
    if (extension == ".flg") {
        return flag_file.substr(0, stem) + ".scn";
    }
    return flag_file + ".scn";
}

void BatchConversion::Convert(const std::string& input, const std::string& output) {
    StopIfInterrupted();
    // An input that the group is to write (an earlier file's output) is read
    // once it is written, as if each file were done before the next.
    // A stream may keep its reader waiting as long as it likes, so what is done
    // is named before it is read.
    if (input == kStandardStream || IsPipe(input) || batch_.Pending(input)) {
        Commit();
    }
    const std::size_t writes = batch_.size();
    std::optional<FileIdentity> identity;
    const Stream stream = StreamOf(output, identity);
    const std::string full_name = stream == Stream::kNone ? FullName(output) : std::string();
    std::optional<ConversionFailure> failure =
        RefuseOutput(input, output, stream, identity, full_name);
    if (!failure) {
        failure = ConvertAndWrite(input, output, stream);
    }
    if (!failure && stream == Stream::kOutput) {
        standard_output_of_ = standard_output_of_.value_or(input);
        standard_output_named_ = standard_output_named_ || output != kStandardStream;
    }
    outcomes_.push_back({input, output, failure, std::nullopt});
    if (batch_.size() > writes) {
        outcomes_.back().write = writes;
        written_.emplace(full_name, input);
    }
    // So that outputs appear as a long batch goes, not only at its end.
    constexpr auto kLongestOpen = std::chrono::seconds(1);
    const auto now = std::chrono::steady_clock::now();
    if (writes == 0 && batch_.size() > 0) {
        group_opened_ = now;
    }
    if (batch_.Full() || (batch_.size() > 0 && now - group_opened_ >= kLongestOpen)) {
        Commit();
    }
}

bool BatchConversion::Finish() {
    Commit();
    return all_converted_;
}

void BatchConversion::Commit() {
    const std::vector<std::optional<FileError>> errors = batch_.Commit();
    for (Outcome& outcome : outcomes_) {
        if (outcome.write && errors[*outcome.write]) {
            outcome.failure = ConversionFailure{errors[*outcome.write]->what(), ""};
        }
        all_converted_ = all_converted_ && !outcome.failure;
        on_outcome_(outcome.input, outcome.output, outcome.failure ? &*outcome.failure : nullptr);
    }
    outcomes_.clear();
}

// The folder's full name is found once for each folder, since a batch writes
// many outputs into few; only a name that is a link itself is looked at again.
std::string BatchConversion::FullName(const std::string& output) {
    const std::filesystem::path path = PathOf(output);
    std::error_code error;
    std::filesystem::path full;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
        full = std::filesystem::weakly_canonical(path, error);
    } else {
        const std::string folder = FolderOf(output);
        auto known = folders_.find(folder);
        if (known == folders_.end()) {
            const std::filesystem::path absolute = std::filesystem::absolute(PathOf(folder), error);
            known =
                folders_.emplace(folder, std::filesystem::weakly_canonical(absolute, error)).first;
        }
        full = known->second / path.filename();
    }
    const std::u8string name = full.u8string();
    std::string key(name.begin(), name.end());
    if (SystemPathStyle() == PathStyle::kWindows) {
        std::transform(key.begin(), key.end(), key.begin(), AsciiLower);
    }
    return key;
}

BatchConversion::Stream BatchConversion::StreamOf(const std::string& output,
                                                  std::optional<FileIdentity>& identity) const {
    if (output == kStandardStream) {
        return Stream::kOutput;
    }
    identity = IdentityOf(output);
    const std::optional<int> descriptor = DescriptorNamed(output);
    if (descriptor == 1 || (identity && identity == standard_output_)) {
        return Stream::kOutput;
    }
    if (descriptor == 2 || (identity && identity == standard_error_)) {
        return Stream::kError;
    }
    return Stream::kNone;
}

std::optional<ConversionFailure> BatchConversion::RefuseOutput(
    const std::string& input, const std::string& output, Stream stream,
    const std::optional<FileIdentity>& identity, const std::string& full_name) const {
    // Streams' scenarios follow each other on standard output, as a pipe's reader
    // expects; a file named for it holds one scenario, as any file does.
    const bool named = output != kStandardStream;
    if (stream == Stream::kOutput && standard_output_of_ && (named || standard_output_named_)) {
        return ConversionFailure{(named ? output : "standard output") + " is the output of " +
                                     *standard_output_of_ + " already",
                                 ""};
    }
    if (const auto earlier = written_.find(full_name);
        stream == Stream::kNone && earlier != written_.end()) {
        return ConversionFailure{output + " is the output of " + earlier->second + " already", ""};
    }
    // Most outputs are new: their input need not be looked at.
    if (identity && identity == (input == kStandardStream ? IdentityOfOpen(StandardInput())
                                                          : IdentityOf(input))) {
        return ConversionFailure{"the output " + output + " is the input itself", ""};
    }
    return std::nullopt;
}

std::optional<ConversionFailure> BatchConversion::ConvertAndWrite(const std::string& input,
                                                                  const std::string& output,
                                                                  Stream stream) {
    try {
        FlagStreamConverter converter;
        FeedInput(input, converter);
        const FileConversion conversion = converter.Finish();
        if (const auto* problem = std::get_if<Problem>(&conversion)) {
            // A file saved with LF line ends is one long line, and the message alone
            // does not tell why.
            return ConversionFailure{std::string(ProblemText(*problem)),
                                     converter.saw_hidden_line()
                                         ? "its lines end in LF alone; flag files need CR LF "
                                           "line ends"
                                         : ""};
        }
        // A file is written only if it was converted before a signal came.
        StopIfInterrupted();
        const std::string& bytes = std::get<std::string>(conversion);
        const std::string name = output == kStandardStream ? "standard output" : output;
        if (stream == Stream::kOutput) {
            WriteStreamBytes(StandardOutput(), name, bytes);
        } else if (stream == Stream::kError) {
            WriteStreamBytes(StandardError(), name, bytes);
        } else {
            batch_.Add(output, bytes);
        }
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        // A line too long to hold; the batch goes on with the next file.
        return ConversionFailure{"out of memory", ""};
    } catch (const FileError& error) {
        // A file that could not be read is named in front of the message already.
        return ConversionFailure{
            error.operation == FileError::Operation::kRead && error.path == input ? error.reason
                                                                                  : error.what(),
            ""};
    }
}

}  // namespace flg2scn
