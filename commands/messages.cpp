#include "commands/messages.h"

#include <string>

#include "system/text_file.h"

namespace flg2scn {

void TellProblem(MessageBoxService& messages, Problem problem) {
    switch (problem) {
        case Problem::kNoHeader:
        case Problem::kWrongFlagCount:
            messages.Tell(ProblemText(problem), "Error", MessageIcon::kWarning);
            return;
        case Problem::kNothingToConvert:
            messages.Tell(ProblemText(problem), "Error", MessageIcon::kError);
            return;
        case Problem::kFailure:
            break;
    }
    messages.Tell(ProblemText(problem), "Error!", MessageIcon::kError);
}

void TellFileError(MessageBoxService& messages, const std::filesystem::path& name,
                   const FileError& error) {
    std::string text =
        error.operation == FileError::Operation::kRead ? "Cannot read file " : "Cannot write file ";
    text += Utf8Name(name);
    text += ":\r\n";
    text += error.reason;
    text += ".";
    messages.Tell(text, "Error", MessageIcon::kError);
}

void TellAbout(MessageBoxService& messages) {
    messages.Tell("Program by Tovrin.\r\nMany thanks to Greyfallow for his help.", "About",
                  MessageIcon::kInformation);
}

void TellOneFileAtATime(MessageBoxService& messages) {
    messages.Tell("Only one file can be loaded at a time.\r\nPlease drop a single .FLG file.",
                  "Error", MessageIcon::kWarning);
}

SaveChoice AskToSaveChanges(MessageBoxService& messages) {
    return messages.AskToSave(
        "The text has changed since it was last loaded or saved.\r\nDo you want to save it?",
        "Exit");
}

}  // namespace flg2scn
