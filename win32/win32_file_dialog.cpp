#include "win32/win32_file_dialog.h"

#include <commdlg.h>

#include <string>

#include "commands/window_layout.h"
#include "system/windows_text.h"
#include "win32/win32_cursors.h"

namespace flg2scn {

namespace {

// Long enough for any name a dialog gives back.
constexpr std::size_t kMostName = 32768;

// A dialog's choices as Windows takes them: pairs of a description and a
// pattern, "Flag Files (*.flg)" and "*.flg", each ended by a NUL, and the list
// by one more (the string's own).
template <std::size_t kCount>
std::wstring Filter(const std::array<FileTypeChoice, kCount>& choices) {
    std::string filter;
    for (const FileTypeChoice& choice : choices) {
        filter.append(choice.description).append(" (").append(choice.pattern).append(")");
        filter.append(1, '\0').append(choice.pattern).append(1, '\0');
    }
    return WideOf(filter);
}

// The fields both dialogs share: `name` is the name field's buffer, which the
// chosen name comes back in.
OPENFILENAMEW DialogFor(HWND owner, const std::wstring& filter, std::wstring& name) {
    name.resize(kMostName, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return dialog;
}

}  // namespace

// A start name that ends in a file name selects that file.
std::optional<std::filesystem::path> Win32FileDialog::AskOpen(const std::filesystem::path& start) {
    std::wstring name = start.wstring();
    const std::wstring filter = Filter(kLoadChoices);
    OPENFILENAMEW dialog = DialogFor(owner_, filter, name);
    dialog.Flags |= OFN_FILEMUSTEXIST;
    const Win32DialogCursor cursor;
    if (!::GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(name.c_str());
}

// No name to start with; a name without an extension gets ".scn".
std::optional<std::filesystem::path> Win32FileDialog::AskSave(const std::filesystem::path& folder) {
    std::wstring name;
    const std::wstring filter = Filter(kSaveChoices);
    OPENFILENAMEW dialog = DialogFor(owner_, filter, name);
    const std::wstring start = folder.wstring();
    dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    const std::wstring suffix = WideOf(std::string(kSaveSuffix));
    dialog.lpstrDefExt = suffix.c_str();
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    const Win32DialogCursor cursor;
    if (!::GetSaveFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(name.c_str());
}

}  // namespace flg2scn
