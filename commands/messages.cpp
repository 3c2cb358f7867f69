#include "commands/messages.h"

#include "runtime/unicode.h"

namespace flg2scn {

void TellProblem(MessageBox& messages, Problem problem) {
    switch (problem) {
        case Problem::kNoHeader:
        case Problem::kWrongFlagCount:
            messages.Tell(ProblemText(problem), u"Error", MessageIcon::kWarning);
            return;
        case Problem::kNothingToConvert:
            messages.Tell(ProblemText(problem), u"Error", MessageIcon::kError);
            return;
        case Problem::kFailure:
            break;
    }
    messages.Tell(ProblemText(problem), u"Error!", MessageIcon::kError);
}

void TellFileError(MessageBox& messages, const std::u16string& name, const FileError& error) {
    std::u16string text = error.operation == FileError::Operation::kRead ? u"Cannot read file "
                                                                         : u"Cannot write file ";
    text += name;
    text += u":\r\n";
    text += FromUtf8(error.reason);
    text += u".";
    messages.Tell(text, u"Error", MessageIcon::kError);
}

void TellAbout(MessageBox& messages) {
    messages.Tell(u"Program by Tovrin.\r\nMany thanks to Greyfallow for his help.", u"About",
                  MessageIcon::kInformation);
}

SaveChoice AskToSaveChanges(MessageBox& messages) {
    return messages.AskToSave(
        u"The text has changed since it was last loaded or saved.\r\nDo you want to save it?",
        u"Exit");
}

}  // namespace flg2scn
