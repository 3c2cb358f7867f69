#pragma once

#include <array>
#include <cmath>
#include <string>
#include <string_view>

namespace flg2scn {

// What the window "Form1" shows, the same whichever front end draws it. Sizes
// are in twips, 1440 to the inch (15 to a pixel at 96 dots to the inch).

inline constexpr std::string_view kWindowCaption = "Tovrin's Flag to Scenario Converter";

// The client area at start.
inline constexpr int kStartWidthTwips = 6555;
inline constexpr int kStartHeightTwips = 5520;
inline constexpr double kTwipsPerInch = 1440.0;

// The text area "Text1"'s font; where a system has no Fixedsys, a fixed-pitch
// font of the same size stands in.
inline constexpr std::string_view kTextFontName = "Fixedsys";
inline constexpr int kTextFontPoints = 9;

// What choosing a menu entry does.
enum class MenuAction { kFileMenu, kLoad, kSave, kNone, kExit, kConvert, kAbout };

// A menu entry: its name (the objectName), its caption, in which '&' marks the
// next letter as the access key and "-" makes a separator, whether it is in the
// File menu or on the menu bar itself, and the letter that chooses it with Ctrl
// (shown beside it in the menu), if any.
struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    MenuAction action;
    bool in_file_menu;
    char shortcut = '\0';
};

// In their order.
inline constexpr std::array<MenuEntry, 7> kMenuEntries = {{
    {"mnuFile", "&File", MenuAction::kFileMenu, false},
    {"mnuLoadFLG", "&Load .FLG", MenuAction::kLoad, true, 'O'},
    {"mnuSaveSCN", "&Save .SCN", MenuAction::kSave, true, 'S'},
    {"mnuDash1", "-", MenuAction::kNone, true},
    {"mnuExit", "E&xit", MenuAction::kExit, true, 'Q'},
    {"mnuConvert", "&Convert It", MenuAction::kConvert, false},
    {"mnuAbout", "&About", MenuAction::kAbout, false},
}};

// How a shortcut letter is written beside its entry: "Ctrl+O"; empty for none.
inline std::string ShortcutText(char letter) {
    return letter == '\0' ? std::string() : std::string("Ctrl+") + letter;
}

// A choice of a file dialog: its description and the pattern of its names.
struct FileTypeChoice {
    std::string_view description;
    std::string_view pattern;
};

// Load offers flag files first and all files second; Save offers scenario files
// only, and a name chosen there without an extension gets kSaveSuffix.
inline constexpr std::array<FileTypeChoice, 2> kLoadChoices = {
    {{"Flag Files", "*.flg"}, {"All files", "*.*"}}};
inline constexpr std::array<FileTypeChoice, 1> kSaveChoices = {{{"Scenario File", "*.scn"}}};
inline constexpr std::string_view kSaveSuffix = "scn";

// The pixels that `twips` take on a screen of `dots_per_inch`, to the nearest.
inline int TwipsToPixels(int twips, double dots_per_inch) {
    return static_cast<int>(std::lround(twips * dots_per_inch / kTwipsPerInch));
}

}  // namespace flg2scn
