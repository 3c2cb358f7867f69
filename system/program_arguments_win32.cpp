// windows.h first: the other Windows headers need it.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string_view>

#include "system/program_arguments.h"
#include "system/windows_text.h"

namespace flg2scn {

namespace {

bool SameLetter(wchar_t a, wchar_t b) {
    return a == b || ::CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

// Whether a long name itself matches `pattern` (* any run, ? one character), in
// any letter case, "*.*" matching every name as Windows has it. FindFirstFileExW
// also matches a name's 8.3 short form: "*.flg" would take ".x.scn.flg2scn",
// whose short form ends in ".FLG", the hidden file of another run's write.
bool LongNameMatches(std::wstring_view name, std::wstring_view pattern) {
    if (pattern == L"*.*") {
        pattern = L"*";
    }
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t star = std::wstring_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || SameLetter(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            resume = n;
        } else if (star != std::wstring_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

// The names that a pattern with * or ? in its last part matches, with the
// pattern's folder before each, in the order of their names; none when it
// matches nothing. Only files: a folder named like a flag file is no flag file.
// As the C library of Windows programs expands them, a hidden file is matched
// too.
std::vector<std::wstring> Matches(const std::wstring& pattern) {
    const std::size_t folder_end = pattern.find_last_of(L"\\/:");
    const std::size_t name_start = folder_end == std::wstring::npos ? 0 : folder_end + 1;
    std::vector<std::wstring> names;
    if (pattern.find_first_of(L"*?", name_start) == std::wstring::npos) {
        return names;
    }
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            LongNameMatches(name, std::wstring_view(pattern).substr(name_start))) {
            names.push_back(pattern.substr(0, name_start) + name);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        const bool option = wide[i][0] == L'-' || IsSystemHelpOption(Utf8Of(wide[i]));
        const std::vector<std::wstring> matches =
            i > 0 && !option ? Matches(wide[i]) : std::vector<std::wstring>();
        if (matches.empty()) {
            arguments.push_back(Utf8Of(wide[i]));
        }
        for (const std::wstring& match : matches) {
            arguments.push_back(Utf8Of(match));
        }
    }
    ::LocalFree(wide);
    return arguments;
}

bool IsSystemHelpOption(std::string_view argument) {
    return argument == "/?";
}

}  // namespace flg2scn
