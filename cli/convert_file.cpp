#include "cli/convert_file.h"

#include <unistd.h>

#include "cli/memory_services.h"
#include "conversion/convert_command.h"
#include "runtime/file_error.h"
#include "runtime/file_reading.h"
#include "runtime/file_writing.h"
#include "runtime/line_reading.h"
#include "runtime/text_file.h"

namespace flg2scn {

namespace {

std::u16string Load(const std::string& input) {
    if (input == kStandardStream) {
        return DecodeLines(ReadStreamBytes(STDIN_FILENO, "standard input", kMaxBatchFileBytes));
    }
    return ReadTextFile(input, kMaxBatchFileBytes);
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
        MemoryTextArea text1(Load(input));
        KeptMessage message;
        mnuConvert_Click(text1, message);
        if (!message.text().empty()) {
            return Narrow(message.text());
        }
        Save(output, text1.Text());
        return std::nullopt;
    } catch (const FileError& error) {
        // A file that could not be read is named in front of the message already.
        return error.operation == FileError::Operation::kRead && error.path == input ? error.reason
                                                                                     : error.what();
    }
}

}  // namespace flg2scn
