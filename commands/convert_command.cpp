#include "commands/convert_command.h"

#include <exception>

#include "commands/messages.h"
#include "conversion/flag_conversion.h"

namespace flg2scn {

void ConvertCommand(TextArea& text_area, MessageBoxService& messages) {
    constexpr std::u16string_view kLineBreak = u"\r\n";
    try {
        std::u16string_view text = text_area.Text();
        // The last line is read only when a CR LF ends it; the one appended stays.
        if (!text.empty() && !text.ends_with(kLineBreak)) {
            text_area.AppendText(kLineBreak);
            text = text_area.Text();
        }
        Conversion result = ConvertFlagText(text);
        if (auto* scenario = std::get_if<std::u16string>(&result)) {
            text_area.SetText(std::move(*scenario));
        } else {
            TellProblem(messages, std::get<Problem>(result));
        }
    } catch (const std::exception&) {
        // A failure of the text area itself is told as the conversion's failure.
        TellProblem(messages, Problem::kFailure);
    }
}

}  // namespace flg2scn
