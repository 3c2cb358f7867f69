// The window's "&Load .FLG" and then "&Save .SCN" over real files, with plain
// services, for the fault test (faults_test.sh): the dialogs answer IN and then
// OUT, and each message is printed to standard error. Save runs only once Load
// has loaded IN. Then the text area's text goes to standard output in the code
// page: the loaded text, or the text it held before, "kept" and CR LF.
//
// Usage: file_commands_probe IN OUT. Exit status 0 when no message was shown.
//
// The two getppid calls mark where the commands' own system calls begin and end,
// so that the test fails only those.

#include <unistd.h>

#include <cstdio>

#include "commands/file_commands.h"
#include "support/recording_services.h"
#include "vb6/code_page.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: file_commands_probe IN OUT\n", stderr);
        return 2;
    }
    flg2scn::test::MemoryTextArea text_area(u"kept\r\n");
    flg2scn::test::ScriptedFileDialog dialog;
    dialog.answers = {argv[1], argv[2]};
    flg2scn::test::RecordingMessageBox messages;
    flg2scn::FileCommands commands(text_area, dialog, messages);

    ::getppid();
    if (commands.Load()) {
        commands.Save();
    }
    ::getppid();

    for (const auto& [text, title, icon] : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    const std::string bytes = flg2scn::EncodeText(text_area.text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return messages.shown.empty() ? 0 : 1;
}
