#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "commands/given_files.h"
#include "commands/window_commands.h"
#include "page_message_box.h"
#include "page_text_area.h"

namespace flg2scn {

// The page asks for a file itself before it runs a file command, so the commands'
// own dialogs are never needed and answer nothing.
class AskedFirst final : public FileDialog {
  public:
    std::optional<std::filesystem::path> AskOpen(const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> AskSave(const std::filesystem::path&) override {
        return std::nullopt;
    }
};

// The window's commands over the page's services: one for the page.
struct Page {
    PageTextArea text_area;
    PageMessageBox messages;
    AskedFirst dialog;
    GivenFiles files;
    WindowCommands commands{text_area, dialog, messages, files};
    std::string answer;     // the last string handed to the page
    std::u16string units;   // the last UTF-16 text handed to the page
    std::string marks;      // for each of `units`, 1 where it is a control's symbol
    std::u16string copied;  // the text last copied to the clipboard
};

inline Page& ThePage() {
    static Page page;
    return page;
}

}  // namespace flg2scn
