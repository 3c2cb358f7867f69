#pragma once

#include <string>

#include "commands/services.h"

namespace flg2scn {

// "&Load .FLG": asks for a flag file and puts its lines into the text area. A
// file that cannot be read is told, and the text area keeps its text. Returns
// whether a file was loaded.
bool LoadCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages);

// The loading part of "&Load .FLG", for a file named otherwise (dropped on the
// window, or given at start).
bool LoadFlagFile(const std::u16string& name, TextArea& text_area, MessageBox& messages);

// "&Save .SCN": asks for a file name and writes the text area's text, then CR LF,
// atomically. Nothing happens for an empty text area. A failure is told, and any
// old file stays as it was. Returns whether the text was saved.
bool SaveCommand(TextArea& text_area, FileDialog& dialog, MessageBox& messages);

// Before the window closes: a text changed since it was last loaded or saved, and
// not empty, asks whether to save it. Returns whether the window may close: not
// when the user cancels, nor when the save is cancelled or fails.
bool MayClose(TextArea& text_area, bool changed, FileDialog& dialog, MessageBox& messages);

}  // namespace flg2scn
