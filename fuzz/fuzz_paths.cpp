// The window's path and flg2scn-cli's agree on any file: Load's lines, then the
// Convert command, give the same scenario bytes or the same problem as the
// batch program's streaming conversion, however the file's bytes arrive.

#include <cstdlib>
#include <string>

#include "commands/convert_command.h"
#include "conversion/flag_stream.h"
#include "fuzz_input.h"
#include "support/recording_services.h"
#include "system/text_file.h"
#include "vb6/line_reading.h"

using flg2scn::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t piece_size = 1 + data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    flg2scn::test::MemoryTextArea text_area(flg2scn::DecodeLines(bytes));
    flg2scn::test::RecordingMessageBox messages;
    flg2scn::ConvertCommand(text_area, messages);

    flg2scn::FlagStreamConverter converter;
    for (std::size_t at = 0; at < bytes.size(); at += piece_size) {
        converter.Feed(bytes.substr(at, piece_size));
    }
    const flg2scn::FileConversion streamed = converter.Finish();

    if (const auto* problem = std::get_if<flg2scn::Problem>(&streamed)) {
        Require(messages.shown.size() == 1 &&
                std::get<0>(messages.shown[0]) == flg2scn::ProblemText(*problem));
    } else {
        Require(messages.shown.empty());
        Require(flg2scn::TextFileBytes(text_area.text) == std::get<std::string>(streamed));
    }
    return 0;
}
