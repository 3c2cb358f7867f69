#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

#include "commands/convert_command.h"
#include "commands/file_commands.h"
#include "commands/menu_actions.h"
#include "commands/window_layout.h"
#include "support/harbour.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"

namespace flg2scn {
namespace {

using test::Message;

const Message kFailure{"An error occurred while proccessing the flag data.", "Error!",
                       MessageIcon::kError};

// Each problem with its title and icon; a CR LF appended to the text stays, and
// only a scenario replaces the text. A text area that fails is the failure.
TEST(ConvertCommand, TellsProblemsOrReplacesTheText) {
    const std::u16string& harbour = test::HarbourScenario();
    // clang-format off
    const std::tuple<std::u16string, std::u16string, std::vector<Message>> samples[] = {
        {u"", u"", {{"Nothing to convert!", "Error", MessageIcon::kError}}},
        {u"\r", u"\r\r\n", {{"No # header.", "Error", MessageIcon::kWarning}}},
        {u"#H\r\n<1 2 3>", u"#H\r\n<1 2 3>\r\n",
         {{"Incorrect number of flag locations.", "Error", MessageIcon::kWarning}}},
        {u"#H\r\n<1>", u"#H\r\n<1>\r\n", {kFailure}},
        {u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>", harbour, {}},
        {std::u16string(test::kHarbourFlags), harbour, {}}};
    // clang-format on
    for (const bool fail : {false, true}) {
        for (const auto& [text, text_after, shown] : samples) {
            test::MemoryTextArea text_area(text);
            text_area.fail_reading = fail;
            test::RecordingMessageBox messages;
            ConvertCommand(text_area, messages);
            EXPECT_EQ(messages.shown, fail ? std::vector{kFailure} : shown);
            EXPECT_EQ(text_area.text, fail ? text : text_after);
            EXPECT_EQ(text_area.sets, !fail && shown.empty() ? 1 : 0);
        }
    }
}

// Load's dialog starts with the name last chosen in either dialog, which a
// cancel keeps; Save's starts in its folder, with no name. An empty text area saves nothing and
// asks nothing; a refusal either way is told with the file rules' own reason.
TEST(FileCommands, LoadAndSaveThroughTheDialog) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("a.flg"), "#Harbour\r<100 200 40>\n\r\n<1024 512 96>");
    test::WriteBytes(dir.Path("huge.flg"), "");
    std::filesystem::resize_file(dir.Path("huge.flg"), (std::uintmax_t{64} << 20) + 1);
    test::MemoryTextArea text_area;
    test::ScriptedFileDialog dialog;
    test::RecordingMessageBox messages;
    FileCommands commands(text_area, dialog, messages);
    // A name in a folder that is not there cannot be written, on any system.
    const std::string unwritable = dir.Path("none/c.scn");
    dialog.answers = {dir.Path("a.flg"),    "",        "", dir.Path("b.scn"),
                      dir.Path("huge.flg"), unwritable};
    std::vector<bool> done = {commands.Save(), commands.Load()};
    EXPECT_EQ(text_area.text, u"#Harbour\r\n<100 200 40>\n\r\n<1024 512 96>\r\n");
    EXPECT_FALSE(text_area.Changed());
    text_area.text = test::HarbourScenario();
    // A braced list is evaluated in its order.
    done.insert(done.end(), {commands.Save(), commands.Load(), commands.Save(), commands.Load(),
                             commands.Save()});
    EXPECT_EQ(done, std::vector<bool>({false, true, false, false, true, false, false}));
    EXPECT_EQ(text_area.text, test::HarbourScenario());
    EXPECT_FALSE(text_area.Changed());  // as saved to b.scn
    EXPECT_EQ(test::ReadBytes(dir.Path("b.scn")),
              test::ReadBytes(FLG2SCN_TEST_DATA "/harbour.scn") + "\r\n");
    EXPECT_EQ(dir.Names(), "a.flg b.scn huge.flg");
    const std::string save = "save " + std::filesystem::path(dir.Path("")).parent_path().string();
    EXPECT_EQ(dialog.asked, std::vector<std::string>({"open ", save, "open " + dir.Path("a.flg"),
                                                      save, "open " + dir.Path("b.scn"), save}));
    const std::vector<Message> shown = {
        {"Cannot read file " + dir.Path("huge.flg") + ":\r\nthe file is larger than 64 MiB.",
         "Error", MessageIcon::kError},
        {"Cannot write file " + unwritable + ":\r\nNo such file or directory.", "Error",
         MessageIcon::kError}};
    EXPECT_EQ(messages.shown, shown);
}

// Closing asks about a changed text that is not empty; Save closes only once saved.
TEST(FileCommands, MayCloseAsksToSaveAChangedText) {
    using C = SaveChoice;
    test::TempDir dir;
    const std::string unwritable = dir.Path("none/x.scn");
    const std::string saved = dir.Path("x.scn");
    // clang-format off
    const std::tuple<bool, std::u16string, C, std::string, bool, std::size_t> rows[] = {
        {false, u"x", C::kCancel, "", true, 0}, {true, u"", C::kCancel, "", true, 0},
        {true, u"x", C::kDiscard, "", true, 1}, {true, u"x", C::kCancel, "", false, 1},
        {true, u"x", C::kSave, "", false, 1}, {true, u"x", C::kSave, unwritable, false, 2},
        {true, u"x", C::kSave, saved, true, 1}};
    // clang-format on
    for (const auto& [changed, text, choice, answer, closes, shown] : rows) {
        test::MemoryTextArea text_area(text);
        if (!changed) {
            text_area.SetUnchanged();
        }
        test::ScriptedFileDialog dialog;
        dialog.answers = {answer};
        test::RecordingMessageBox messages;
        messages.choice = choice;
        EXPECT_EQ(FileCommands(text_area, dialog, messages).MayClose(), closes);
        EXPECT_EQ(messages.shown.size(), shown);
    }
}

// Every entry of the menu, chosen, runs its command through the services: what
// the text, the dialogs, the message boxes and the window then show.
TEST(MenuActions, EachEntryRunsItsCommand) {
    test::TempDir dir;
    test::WriteBytes(dir.Path("a.flg"), "#A\r\n");
    // clang-format off
    const std::map<std::string_view, std::tuple<std::u16string, std::string, std::size_t, bool>>
        outcomes = {
            {"mnuFile", {u"x", "", 0, false}}, {"mnuDash1", {u"x", "", 0, false}},
            {"mnuLoadFLG", {u"#A\r\n", "open ", 0, false}},
            {"mnuSaveSCN", {u"x", "save ", 0, false}},
            {"mnuExit", {u"x", "", 0, true}}, {"mnuConvert", {u"x\r\n", "", 1, false}},
            {"mnuAbout", {u"x", "", 1, false}}};
    // clang-format on
    for (const MenuEntry& entry : kMenuEntries) {
        test::MemoryTextArea text_area(u"x");
        test::ScriptedFileDialog dialog;
        dialog.answers = {entry.action == MenuAction::kLoad ? dir.Path("a.flg") : ""};
        test::RecordingMessageBox messages;
        FileCommands files(text_area, dialog, messages);
        bool closed = false;
        RunMenuAction(entry.action, files, text_area, messages, [&] { closed = true; });
        const auto& [text, asked, shown, closes] = outcomes.at(entry.name);
        EXPECT_EQ(text_area.text, text) << entry.name;
        EXPECT_EQ(dialog.asked, asked.empty() ? std::vector<std::string>() : std::vector{asked})
            << entry.name;
        EXPECT_EQ(messages.shown.size(), shown) << entry.name;
        EXPECT_EQ(closed, closes) << entry.name;
    }
}

// Twips to pixels, to the nearest, as the windows size themselves at start.
TEST(WindowLayout, TwipsToPixelsAndShortcutTexts) {
    const std::tuple<int, double, int> rows[] = {{6555, 96, 437},  {5520, 96, 368},
                                                 {6555, 144, 656}, {5520, 120, 460},
                                                 {7, 96, 0},       {8, 96, 1}};
    for (const auto& [twips, dots, pixels] : rows) {
        EXPECT_EQ(TwipsToPixels(twips, dots), pixels) << twips << " at " << dots;
    }
    EXPECT_EQ(ShortcutText('O') + "|" + ShortcutText('\0'), "Ctrl+O|");
}

}  // namespace
}  // namespace flg2scn
