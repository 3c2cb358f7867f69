#include "win32/win32_file_dialog.h"

#include <commdlg.h>

#include <string>

#include "win32/cursors.h"

namespace flg2scn {

namespace {

// Long enough for any name a dialog gives back.
constexpr std::size_t kMostName = 32768;

// Filters are pairs of a description and a pattern, each ended by a NUL, and
// the list by one more.
constexpr wchar_t kOpenFilter[] = L"Flag Files (*.flg)\0*.flg\0All files (*.*)\0*.*\0";
constexpr wchar_t kSaveFilter[] = L"Scenario File (*.scn)\0*.scn\0";

// The fields both dialogs share: `name` is the name field's buffer, which the
// chosen name comes back in.
OPENFILENAMEW DialogFor(HWND owner, const wchar_t* filter, std::wstring& name) {
    name.resize(kMostName, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return dialog;
}

}  // namespace

// A start name that ends in a file name selects that file.
std::optional<std::filesystem::path> Win32FileDialog::AskOpen(const std::filesystem::path& start) {
    std::wstring name = start.wstring();
    OPENFILENAMEW dialog = DialogFor(owner_, kOpenFilter, name);
    dialog.Flags |= OFN_FILEMUSTEXIST;
    const KeptCursor cursor;
    if (!::GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(name.c_str());
}

// No name to start with; a name without an extension gets ".scn".
std::optional<std::filesystem::path> Win32FileDialog::AskSave(const std::filesystem::path& folder) {
    std::wstring name;
    OPENFILENAMEW dialog = DialogFor(owner_, kSaveFilter, name);
    const std::wstring start = folder.wstring();
    dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    dialog.lpstrDefExt = L"scn";
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    const KeptCursor cursor;
    if (!::GetSaveFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(name.c_str());
}

}  // namespace flg2scn
