#include "cli/convert_file.h"

#include <unistd.h>

#include <variant>

#include "conversion/flag_stream_converter.h"
#include "runtime/file_error.h"
#include "runtime/file_reading.h"
#include "runtime/file_writing.h"
#include "runtime/text_file.h"

namespace flg2scn {

namespace {

Conversion ConvertStream(int fd, const std::string& name) {
    FlagStreamConverter converter;
    ReadPieces(fd, name, kMaxBatchFileBytes,
               [&](std::string_view piece) { converter.Feed(piece); });
    return converter.Finish();
}

Conversion ConvertInput(const std::string& input) {
    if (input == kStandardStream) {
        return ConvertStream(STDIN_FILENO, "standard input");
    }
    const FileDescriptor file = OpenRegularFile(input, kMaxBatchFileBytes);
    return ConvertStream(file.get(), input);
}

void Save(const std::string& output, std::u16string_view text) {
    if (output == kStandardStream) {
        WriteStreamBytes(STDOUT_FILENO, "standard output", TextFileBytes(text));
    } else {
        WriteTextFile(output, text);
    }
}

// The fixed messages are plain ASCII.
std::string Narrow(std::u16string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace

std::string ScenarioFileName(const std::string& flag_file) {
    constexpr std::size_t kExtension = 4;
    if (flag_file.size() >= kExtension) {
        std::string ending = flag_file.substr(flag_file.size() - kExtension);
        for (char& c : ending) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        if (ending == ".flg") {
            return flag_file.substr(0, flag_file.size() - kExtension) + ".scn";
        }
    }
    return flag_file + ".scn";
}

std::optional<std::string> ConvertFlagFile(const std::string& input, const std::string& output) {
    try {
        const auto result = ConvertInput(input);
        if (const auto* problem = std::get_if<Problem>(&result)) {
            return Narrow(ProblemText(*problem));
        }
        Save(output, std::get<std::u16string>(result));
        return std::nullopt;
    } catch (const FileError& error) {
        // A file that could not be read is named in front of the message already.
        return error.operation == FileError::Operation::kRead && error.path == input ? error.reason
                                                                                     : error.what();
    }
}

}  // namespace flg2scn
