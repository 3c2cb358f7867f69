#include <gtest/gtest.h>

#include <map>
#include <new>
#include <string_view>
#include <tuple>
#include <vector>

#include "commands/control_symbols.h"
#include "commands/convert_command.h"
#include "commands/file_commands.h"
#include "commands/given_files.h"
#include "commands/window_commands.h"
#include "commands/window_layout.h"
#include "support/harbour.h"
#include "support/recording_services.h"
#include "support/temp_dir.h"
#include "system/text_file.h"

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
// cancel keeps; Save's starts in its folder, with no name. An empty text area
// saves nothing and asks nothing; a refusal either way, and a character the code
// page lacks, are told. A front end whose dialogs answer later asks first and
// runs the step with the answer, to the same end. No file system is used.
TEST(FileCommands, LoadAndSaveThroughTheDialog) {
    for (const bool later : {false, true}) {
        test::MemoryTextArea text_area;
        test::ScriptedFileDialog dialog;
        test::RecordingMessageBox messages;
        test::MemoryFiles files;
        files.files = {{"d/a.flg", "#Harbour\r<100 200 40>\n\r\n<1024 512 96>"}};
        files.refused = {{"d/big.flg", "too large"}, {"e/c.scn", "No such folder"}};
        FileCommands commands(text_area, dialog, messages, files);
        const auto load = [&] {
            if (!later) {
                return commands.Load();
            }
            const auto name = dialog.AskOpen(commands.last_name());
            return name && commands.LoadFile(*name);
        };
        const auto save = [&] {
            if (!later) {
                return commands.Save();
            }
            const auto name = commands.CanSave()
                                  ? dialog.AskSave(commands.last_name().parent_path())
                                  : std::nullopt;
            return name && commands.SaveFile(*name);
        };
        dialog.answers = {"d/a.flg", "", "", "d/b.scn", "d/big.flg", "e/c.scn", "d/u.scn"};
        std::vector<bool> done = {save(), load()};
        EXPECT_EQ(text_area.text, u"#Harbour\r\n<100 200 40>\n\r\n<1024 512 96>\r\n");
        EXPECT_FALSE(text_area.Changed());
        EXPECT_EQ(files.limit, std::size_t{64} << 20);
        text_area.text = test::HarbourScenario();
        // A braced list is evaluated in its order.
        done.insert(done.end(), {save(), load(), save(), load(), save()});
        EXPECT_EQ(text_area.text, test::HarbourScenario());
        EXPECT_FALSE(text_area.Changed());  // as saved to b.scn
        text_area.text = u"#\u4E00";
        done.push_back(save());
        EXPECT_TRUE(text_area.Changed());
        EXPECT_EQ(done, std::vector<bool>({false, true, false, false, true, false, false, false}));
        EXPECT_EQ(files.files["d/b.scn"],
                  test::ReadBytes(FLG2SCN_TEST_DATA "/harbour.scn") + "\r\n");
        EXPECT_EQ(files.files.size(), 2U);
        EXPECT_EQ(dialog.asked,
                  std::vector<std::string>({"open ", "save d", "open d/a.flg", "save d",
                                            "open d/b.scn", "save d", "save e"}));
        const std::vector<Message> shown = {
            {"Cannot read file d/big.flg:\r\ntoo large.", "Error", MessageIcon::kError},
            {"Cannot write file e/c.scn:\r\nNo such folder.", "Error", MessageIcon::kError},
            {"Cannot write file d/u.scn:\r\nline 1, column 2: the character U+4E00 has no place "
             "in the Windows-1252 code page.",
             "Error", MessageIcon::kError}};
        EXPECT_EQ(messages.shown, shown);
    }
}

// A file too big for the memory left is told as such, and the text kept.
TEST(FileCommands, LoadTellsMemoryRunningOut) {
    struct Exhausting : test::MemoryFiles {
        std::string ReadBytes(const std::filesystem::path&, std::size_t) override {
            throw std::bad_alloc();
        }
    } files;
    test::MemoryTextArea text_area(u"kept");
    test::ScriptedFileDialog dialog;
    test::RecordingMessageBox messages;
    FileCommands commands(text_area, dialog, messages, files);
    EXPECT_FALSE(commands.LoadFile("x.flg"));
    EXPECT_EQ(text_area.text, u"kept");
    EXPECT_EQ(messages.shown, std::vector<Message>({{"Cannot read file x.flg:\r\nout of memory.",
                                                     "Error", MessageIcon::kError}}));
}

// A drop of one file loads it; of several, tells that one file loads at a time
// and keeps the text.
TEST(FileCommands, LoadDroppedTakesOneFile) {
    const Message one_at_a_time{
        "Only one file can be loaded at a time.\r\nPlease drop a single .FLG file.", "Error",
        MessageIcon::kWarning};
    const std::tuple<std::vector<std::filesystem::path>, bool, std::u16string, std::vector<Message>>
        rows[] = {{{}, false, u"kept", {}},
                  {{"a.flg"}, true, u"#A\r\n", {}},
                  {{"a.flg", "b.flg"}, false, u"kept", {one_at_a_time}}};
    for (const auto& [names, loaded, text, shown] : rows) {
        test::MemoryTextArea text_area(u"kept");
        test::ScriptedFileDialog dialog;
        test::RecordingMessageBox messages;
        test::MemoryFiles files;
        files.files = {{"a.flg", "#A"}, {"b.flg", "#B"}};
        FileCommands commands(text_area, dialog, messages, files);
        EXPECT_EQ(commands.LoadDropped(names), loaded);
        EXPECT_EQ(text_area.text, text);
        EXPECT_EQ(messages.shown, shown);
    }
}

// An empty text is not saved, whatever the name.
TEST(FileCommands, SaveFileSavesNoEmptyText) {
    test::MemoryTextArea text_area;
    test::ScriptedFileDialog dialog;
    test::RecordingMessageBox messages;
    test::MemoryFiles files;
    FileCommands commands(text_area, dialog, messages, files);
    EXPECT_FALSE(commands.SaveFile("a.scn"));
    EXPECT_TRUE(files.files.empty() && messages.shown.empty());
}

// A front end without a file system hands the commands the file the user picked,
// perhaps without its bytes when it is too big to read, and takes what a save
// wrote; the save offers the loaded file's name as a scenario's.
TEST(GivenFiles, TheFilePickedAndTheBytesSaved) {
    const std::size_t over = kMaxTextFileBytes + 1;
    const std::tuple<std::filesystem::path, std::size_t, std::string, bool, std::u16string,
                     std::string, std::string>
        rows[] = {{"dir/a.flg", 4, "#A\r\n", true, u"#A\r\n", "", "a.scn"},
                  {"b", 2, "#B", true, u"#B\r\n", "", "b.scn"},
                  {"c.d.flg", over, "", false, u"kept",
                   "Cannot read file c.d.flg:\r\nthe file is larger than 64 MiB.", "c.d.scn"},
                  {"", 0, "", false, u"kept", "Cannot read file :\r\nthe file was not given.",
                   "scenario.scn"}};
    for (const auto& [name, size, bytes, loaded, text, told, offered] : rows) {
        test::MemoryTextArea text_area(u"kept");
        test::ScriptedFileDialog dialog;
        test::RecordingMessageBox messages;
        GivenFiles files;
        files.Give(name, size, bytes);
        FileCommands commands(text_area, dialog, messages, files);
        EXPECT_EQ(commands.LoadFile(name), loaded) << name;
        EXPECT_EQ(text_area.text, text) << name;
        EXPECT_EQ(messages.shown.empty() ? "" : std::get<0>(messages.shown[0]), told) << name;
        EXPECT_EQ(SuggestedSaveName(commands.last_name()), offered);
        EXPECT_THROW(files.ReadBytes(name, kMaxTextFileBytes), FileError) << "read twice";
        EXPECT_TRUE(commands.SaveFile(SuggestedSaveName(name)));
        EXPECT_EQ(files.saved(), TextFileBytes(text)) << name;
    }
}

// Closing asks about a changed text that is not empty; Save closes only once saved.
TEST(FileCommands, MayCloseAsksToSaveAChangedText) {
    using C = SaveChoice;
    // clang-format off
    const std::tuple<bool, std::u16string, C, std::string, bool, std::size_t> rows[] = {
        {false, u"x", C::kCancel, "", true, 0}, {true, u"", C::kCancel, "", true, 0},
        {true, u"x", C::kDiscard, "", true, 1}, {true, u"x", C::kCancel, "", false, 1},
        {true, u"x", C::kSave, "", false, 1}, {true, u"x", C::kSave, "e/x.scn", false, 2},
        {true, u"x", C::kSave, "x.scn", true, 1}};
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
        test::MemoryFiles files;
        files.refused = {{"e/x.scn", "No such folder"}};
        FileCommands commands(text_area, dialog, messages, files);
        EXPECT_EQ(commands.ShouldAskToSave(), shown > 0);
        EXPECT_EQ(commands.MayClose(), closes);
        EXPECT_EQ(messages.shown.size(), shown);
        EXPECT_EQ(files.files.count("x.scn"), closes && choice == C::kSave ? 1U : 0U);
    }
}

// Every entry of the menu, chosen, runs its command through the services: what
// the text, the dialogs, the message boxes and the window then show.
TEST(WindowCommands, EachMenuEntryRunsItsCommand) {
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
        dialog.answers = {entry.action == MenuAction::kLoad ? "a.flg" : ""};
        test::RecordingMessageBox messages;
        test::MemoryFiles store;
        store.files = {{"a.flg", "#A\r\n"}};
        bool closed = false;
        WindowCommands(text_area, dialog, messages, store).Run(entry.action, [&] {
            closed = true;
        });
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

// The button pressed in the question before closing: any but Save and Discard cancels.
TEST(SaveChoiceOf, SaveDiscardOrCancel) {
    const std::tuple<int, SaveChoice> rows[] = {{6, SaveChoice::kSave},
                                                {7, SaveChoice::kDiscard},
                                                {2, SaveChoice::kCancel},
                                                {0, SaveChoice::kCancel}};
    for (const auto& [pressed, choice] : rows) {
        EXPECT_EQ(SaveChoiceOf(pressed, 6, 7), choice) << pressed;
    }
}

// Each control character and its symbol, both ways, and the name drawn for it;
// other characters have none.
TEST(ControlSymbols, BothWaysAndTheirNames) {
    const std::tuple<char16_t, char16_t, std::string> rows[] = {
        {u'\0', u'\u2400', "00"}, {u'\n', u'\u240A', "LF"},   {u'\r', u'\u240D', "CR"},
        {u'\t', u'\u2409', "09"}, {u'\x1F', u'\u241F', "1F"}, {u'\x7F', u'\u2421', "7F"}};
    for (const auto& [control, symbol, name] : rows) {
        EXPECT_EQ(SymbolOf(control), symbol) << name;
        EXPECT_EQ(ControlOf(symbol), control) << name;
        EXPECT_EQ(ControlName(control), name);
    }
    for (const char16_t other : {u' ', u'~', u'\x80', u'\u2420', u'\u2422', u'\u23FF'}) {
        EXPECT_EQ(SymbolOf(other), std::nullopt) << int{other};
        EXPECT_EQ(ControlOf(other), std::nullopt) << int{other};
    }
    // A text as a text area shows it, and back: a CR LF breaks the line and a tab
    // stays; every other control shows as its symbol.
    using namespace std::string_literals;
    const std::u16string text = u"#A\r\nb\nc\rd\0e\x01\tf\x7F\r"s;
    const std::u16string shown = u"#A\r\nb\u240Ac\u240Dd\u2400e\u2401\tf\u2421\u240D"s;
    EXPECT_EQ(ShownText(text), shown);
    EXPECT_EQ(TextShown(shown), text);
    // Pasted text: every kind of line break is one; a symbol is no control.
    EXPECT_EQ(PastedText(u"a\r\n\nb\rc\u2029\r\r\n\0\u240A\u2028"s),
              u"a\r\n\r\nb\r\nc\r\n\r\n\r\n\0\u240A\u2028"s);
}

}  // namespace
}  // namespace flg2scn
