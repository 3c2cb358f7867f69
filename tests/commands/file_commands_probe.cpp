// The window's "&Load .FLG" and then, once it loaded, "&Save .SCN" over real
// files (DiskFiles) with plain services, for the fault test (faults_test.sh). The dialogs
// answer IN, then OUT; each message goes to standard error; then the text area's
// text (the loaded one, or "kept" and CR LF as before) to standard output.
// Usage: file_commands_probe IN OUT. Exit status 0 when nothing was told.

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdio>

#include "commands/disk_files.h"
#include "commands/file_commands.h"
#include "support/recording_services.h"
#include "system/file_system.h"
#include "vb6/code_page.h"

namespace {

// Marks where the commands' own system calls begin and end in a trace. On
// Windows, where only the file calls are counted, none come before or after.
void Mark() {
#ifndef _WIN32
    ::getppid();
#endif
}

}  // namespace

int main(int argc, char** argv) {
    // The text as bytes, CR LF and all, on Windows too.
    flg2scn::SetUpStandardStreams();
    flg2scn::test::MemoryTextArea text_area(u"kept\r\n");
    flg2scn::test::ScriptedFileDialog dialog;
    dialog.answers = {argc > 1 ? argv[1] : "", argc > 2 ? argv[2] : ""};
    flg2scn::test::RecordingMessageBox messages;
    flg2scn::DiskFiles files;
    flg2scn::FileCommands commands(text_area, dialog, messages, files);
    Mark();
    commands.Load() && commands.Save();
    Mark();
    for (const auto& [text, title, icon] : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    std::fputs(flg2scn::EncodeText(text_area.text).c_str(), stdout);
    return messages.shown.empty() ? 0 : 1;
}
