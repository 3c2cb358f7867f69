#pragma once

#include <array>
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
enum class MenuAction { kOpenFileMenu, kLoad, kSave, kNone, kExit, kConvert, kAbout };

// A menu entry: its name (the objectName), its caption, in which '&' marks the
// next letter as the access key and "-" makes a separator, and whether it is in
// the File menu or on the menu bar itself.
struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    MenuAction action;
    bool in_file_menu;
};

// In their order.
inline constexpr std::array<MenuEntry, 7> kMenuEntries = {{
    {"mnuFile", "&File", MenuAction::kOpenFileMenu, false},
    {"mnuLoadFLG", "&Load .FLG", MenuAction::kLoad, true},
    {"mnuSaveSCN", "&Save .SCN", MenuAction::kSave, true},
    {"mnuDash1", "-", MenuAction::kNone, true},
    {"mnuExit", "E&xit", MenuAction::kExit, true},
    {"mnuConvert", "&Convert It", MenuAction::kConvert, false},
    {"mnuAbout", "&About", MenuAction::kAbout, false},
}};

}  // namespace flg2scn
