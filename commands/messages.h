#pragma once

#include <filesystem>

#include "commands/services.h"
#include "conversion/problem.h"
#include "system/file_error.h"

namespace flg2scn {

// The message boxes that the commands show, with their fixed texts and titles.

void TellProblem(MessageBoxService& messages, Problem problem);

// "Cannot read file NAME:" or "Cannot write file NAME:", then the reason.
void TellFileError(MessageBoxService& messages, const std::filesystem::path& name,
                   const FileError& error);

void TellAbout(MessageBoxService& messages);

// Several files dropped on the window at once.
void TellOneFileAtATime(MessageBoxService& messages);

// Whether to save a changed text before the window closes.
SaveChoice AskToSaveChanges(MessageBoxService& messages);

}  // namespace flg2scn
