#include "conversion/convert_command.h"

#include <exception>

#include "conversion/convert_flag_set.h"
#include "conversion/read_flag_text.h"

namespace flg2scn {

namespace {

void Tell(MessageBox& messages, Problem problem) {
    const ProblemMessage message = MessageFor(problem);
    messages.Tell(message.text, message.title, message.icon);
}

}  // namespace

void mnuConvert_Click(TextArea& text1, MessageBox& messages) {
    try {
        if (text1.Text().empty()) {
            Tell(messages, Problem::kNothingToConvert);
            return;
        }
        if (!text1.Text().ends_with(u"\r\n")) {
            text1.AppendText(u"\r\n");
        }
        auto result = ConvertFlagSet(ReadFlagText(text1.Text()));
        if (auto* scenario = std::get_if<std::u16string>(&result)) {
            text1.SetText(std::move(*scenario));
        } else {
            Tell(messages, std::get<Problem>(result));
        }
    } catch (const std::exception&) {
        // Every failure after the start, the text area's own included, ends here.
        Tell(messages, Problem::kFailure);
    }
}

}  // namespace flg2scn
