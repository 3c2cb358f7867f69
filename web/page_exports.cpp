// What the page (page.js) calls: the window's commands over the page's services.
// Names come in UTF-8; several dropped files come as one string, their names
// joined by '/', which a browser's file name never holds.

#include <emscripten.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "commands/messages.h"
#include "commands/window_layout.h"
#include "page.h"
#include "system/file_error.h"
#include "system/text_file.h"

namespace flg2scn {
namespace {

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The menu as JSON: [{"name", "caption", "action", "inFileMenu", "shortcut"}].
std::string MenuJson() {
    std::string json = "[";
    for (const MenuEntry& entry : kMenuEntries) {
        json += json.size() > 1 ? ",{" : "{";
        json += "\"name\":\"" + std::string(entry.name) + "\",\"caption\":\"" +
                std::string(entry.caption) +
                "\",\"action\":" + std::to_string(static_cast<int>(entry.action)) +
                ",\"inFileMenu\":" + (entry.in_file_menu ? "true" : "false") + ",\"shortcut\":\"" +
                ShortcutText(entry.shortcut) + "\"}";
    }
    return json + "]";
}

}  // namespace
}  // namespace flg2scn

using flg2scn::ThePage;

// The page calls these by their C names, as they are.
// NOLINTBEGIN(readability-identifier-naming)
extern "C" {

EMSCRIPTEN_KEEPALIVE const char* page_caption() {
    return ThePage().answer.assign(flg2scn::kWindowCaption).c_str();
}

EMSCRIPTEN_KEEPALIVE const char* page_menu() {
    return ThePage().answer.assign(flg2scn::MenuJson()).c_str();
}

EMSCRIPTEN_KEEPALIVE double page_max_bytes() {
    return static_cast<double>(flg2scn::kMaxTextFileBytes);
}

// Convert It and About; the file commands have entries of their own below.
EMSCRIPTEN_KEEPALIVE void page_run(int action) {
    ThePage().commands.Run(static_cast<flg2scn::MenuAction>(action), [] {});
}

// Loads the first of the files named in `names` ('/' between them), of `size`
// bytes, whose `length` bytes at `bytes` the page read (none for one too big).
// Takes the bytes, which malloc gave. Returns whether the text was replaced.
EMSCRIPTEN_KEEPALIVE int page_load(const char* names, double size, char* bytes, int length) {
    std::vector<std::filesystem::path> paths;
    const std::string joined(names);
    for (std::size_t start = 0; start <= joined.size();) {
        const std::size_t end = std::min(joined.find('/', start), joined.size());
        paths.push_back(flg2scn::PathOf(joined.substr(start, end - start)));
        start = end + 1;
    }
    std::string contents(bytes != nullptr ? bytes : "", bytes != nullptr ? length : 0);
    std::free(bytes);
    ThePage().files.Give(paths.front(), static_cast<std::size_t>(size), std::move(contents));
    return ThePage().commands.files().LoadDropped(paths) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int page_can_save() {
    return ThePage().commands.files().CanSave() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int page_should_ask_to_save() {
    return ThePage().commands.files().ShouldAskToSave() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* page_save_name() {
    const auto name = flg2scn::SuggestedSaveName(ThePage().commands.files().last_name());
    return ThePage().answer.assign(flg2scn::Utf8Name(name)).c_str();
}

// Saves the text as `name`; the bytes are then at page_saved_bytes.
EMSCRIPTEN_KEEPALIVE int page_save(const char* name) {
    return ThePage().commands.files().SaveFile(flg2scn::PathOf(name)) ? 1 : 0;
}

// The browser could not write the saved bytes to the file `name`: told as the
// commands tell a failed save, and the text counts as changed again.
EMSCRIPTEN_KEEPALIVE void page_save_failed(const char* name, const char* reason) {
    const std::filesystem::path path = flg2scn::PathOf(name);
    flg2scn::TellFileError(
        ThePage().messages, path,
        flg2scn::FileError(flg2scn::FileError::Operation::kWrite, flg2scn::Utf8Name(path), reason));
    ThePage().text_area.MarkChanged();
}

EMSCRIPTEN_KEEPALIVE const char* page_saved_bytes() {
    return ThePage().files.saved().data();
}

EMSCRIPTEN_KEEPALIVE int page_saved_length() {
    return static_cast<int>(ThePage().files.saved().size());
}

}  // extern "C"
// NOLINTEND(readability-identifier-naming)
