#include "conversion/convert_command.h"

#include <exception>

#include "conversion/build_scenario_text.h"
#include "conversion/read_flag_text.h"

namespace flg2scn {

void mnuConvert_Click(TextArea& text1, MessageBox& messages) {
    try {
        if (text1.Text().empty()) {
            messages.Tell(u"Nothing to convert!", u"Error", MessageIcon::kError);
            return;
        }
        if (!text1.Text().ends_with(u"\r\n")) {
            text1.AppendText(u"\r\n");
        }
        const FlagSet flags = ReadFlagText(text1.Text());
        if (flags.header.empty()) {
            messages.Tell(u"No # header.", u"Error", MessageIcon::kWarning);
        } else if (flags.count != 2) {
            messages.Tell(u"Incorrect number of flag locations.", u"Error", MessageIcon::kWarning);
        } else {
            text1.SetText(BuildScenarioText(flags));
        }
    } catch (const std::exception&) {
        // Every failure after the start, the text area's own included, ends here.
        messages.Tell(u"An error occurred while proccessing the flag data.", u"Error!",
                      MessageIcon::kError);
    }
}

}  // namespace flg2scn
