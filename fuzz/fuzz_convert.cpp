// The Convert command on any text: it either tells exactly one of its four
// messages and leaves the text (with at most CR LF appended), or replaces the
// text with 31 CR LF lines whose first names the header.

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "commands/convert_command.h"
#include "conversion/flag_reader.h"
#include "fuzz_input.h"
#include "support/recording_services.h"
#include "vb6/line_reading.h"

using flg2scn::MessageIcon;

using flg2scn::fuzz::Require;

namespace {

bool IsOneOfTheMessages(const flg2scn::test::Message& m) {
    const flg2scn::test::Message known[] = {
        {"Nothing to convert!", "Error", MessageIcon::kError},
        {"No # header.", "Error", MessageIcon::kWarning},
        {"Incorrect number of flag locations.", "Error", MessageIcon::kWarning},
        {"An error occurred while proccessing the flag data.", "Error!", MessageIcon::kError}};
    return std::find(std::begin(known), std::end(known), m) != std::end(known);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = flg2scn::fuzz::TextFromBytes(data, size);
    flg2scn::test::MemoryTextArea text1(text);
    flg2scn::test::RecordingMessageBox messages;
    flg2scn::ConvertCommand(text1, messages);

    const std::u16string after(text1.Text());
    const std::u16string with_break = text.ends_with(u"\r\n") ? text : text + u"\r\n";
    if (!messages.shown.empty()) {
        Require(messages.shown.size() == 1 && IsOneOfTheMessages(messages.shown[0]));
        Require(after == (text.empty() ? text : with_break));
        return 0;
    }
    Require(flg2scn::CountLineBreaks(after) == 31 && after.ends_with(u"\r\n"));
    const std::u16string header = flg2scn::ReadFlagText(with_break).header;
    Require(after.starts_with(u"SCENARIO \"" + header + u" (CTB)\"\r\n"));
    return 0;
}
